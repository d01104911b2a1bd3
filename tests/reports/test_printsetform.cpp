#include "AppContext.h"
#include "PrintSetForm.h"
#include "Prompts.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program folder with its context; the window is shown on it as the main window shows it.
struct Window {
    QTemporaryDir dir;
    RecordingPrompts prompts;
    AppContext ctx{dir.path() + u'/'};
    std::unique_ptr<TPrintSetForm> form;

    explicit Window(const TXSDPrintSet& current = {})
    {
        ctx.prompts = &prompts;
        ctx.XSDPrintSet = current;
        form = std::make_unique<TPrintSetForm>(ctx);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Picks a paper entry from the keyboard, as the operator does.
    void choose(const QString& text)
    {
        QComboBox* combo = form->PaperSizeComboBox;
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), text);
    }

    void type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, keys);
    }

    bool iniWritten() const { return QFile::exists(SettingsPath(ctx.ProgramDir)); }
};

TXSDPrintSet Set(std::uint8_t paper, int width, int length, std::uint8_t orientation, int top = 10,
                 int bottom = 10, int left = 10, int right = 10)
{
    TXSDPrintSet s;
    s.PaperSize = paper;
    s.Width = width;
    s.Length = length;
    s.Orientation = orientation;
    s.TopMargin = top;
    s.BottomMargin = bottom;
    s.LeftMargin = left;
    s.RightMargin = right;
    return s;
}

bool Same(const TXSDPrintSet& a, const TXSDPrintSet& b)
{
    return a.PaperSize == b.PaperSize && a.Width == b.Width && a.Length == b.Length
        && a.Orientation == b.Orientation && a.TopMargin == b.TopMargin && a.BottomMargin == b.BottomMargin
        && a.LeftMargin == b.LeftMargin && a.RightMargin == b.RightMargin;
}

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

}  // namespace

Q_DECLARE_METATYPE(TXSDPrintSet)

class TestPrintSetForm : public QObject {
    Q_OBJECT
private slots:
    // The window shows the settings in use, stored sizes included, whatever the entry's size.
    void showsCurrentSettings_data()
    {
        QTest::addColumn<TXSDPrintSet>("current");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("B5, own size, landscape") << Set(13, 100, 200, 1, 1, 2, 3, 4) << "B5" << true;
        QTest::newRow("start-up defaults") << TXSDPrintSet{} << "A4(210x297mm)" << false;
        QTest::newRow("unknown code") << Set(99, 100, 200, 0) << U("自定义大小") << false;
    }
    void showsCurrentSettings()
    {
        QFETCH(TXSDPrintSet, current);
        QFETCH(QString, paper);
        QFETCH(bool, landscape);
        Window w(current);
        TPrintSetForm& f = *w.form;
        QCOMPARE(f.windowTitle(), U("销售单打印设置"));
        QCOMPARE(f.PaperSizeComboBox->count(), 7);
        QCOMPARE(f.PaperSizeComboBox->currentText(), paper);
        QCOMPARE(f.WidthEdit->text(), QString::number(current.Width));
        QCOMPARE(f.lengthEdit->text(), QString::number(current.Length));
        QCOMPARE(f.landscapeButton->isChecked(), landscape);
        QCOMPARE(f.portraitButton->isChecked(), !landscape);
        QCOMPARE(f.TopMEdit->text(), QString::number(current.TopMargin));
        QCOMPARE(f.BottomMEdit->text(), QString::number(current.BottomMargin));
        QCOMPARE(f.LeftMEdit->text(), QString::number(current.LeftMargin));
        QCOMPARE(f.RightMEdit->text(), QString::number(current.RightMargin));
    }

    // Each way of choosing the paper, saved to Set.ini and into the settings in use.
    void save_data()
    {
        QTest::addColumn<QString>("paper");      // entry chosen from the list, or empty
        QTest::addColumn<QString>("widthKeys");  // typed at the end of the width edit
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<TXSDPrintSet>("saved");
        QTest::newRow("B5") << "B5" << "" << false << Set(13, 182, 257, 0);
        QTest::newRow("A4Small") << "A4Small(210x297mm)" << "" << false << Set(10, 210, 297, 0);
        QTest::newRow("typed width") << "" << "5" << false << Set(27, 2105, 297, 0);
        QTest::newRow("A3 landscape") << "A3(297x420mm)" << "" << true << Set(8, 297, 420, 1);
        // Walking down the list passes B5 last, whose size the custom entry keeps.
        QTest::newRow("custom keeps the edits") << U("自定义大小") << "" << false << Set(27, 182, 257, 0);
    }
    void save()
    {
        QFETCH(QString, paper);
        QFETCH(QString, widthKeys);
        QFETCH(bool, landscape);
        QFETCH(TXSDPrintSet, saved);
        Window w;
        if (!paper.isEmpty())
            w.choose(paper);
        if (!widthKeys.isEmpty())
            w.type(w.form->WidthEdit, widthKeys);
        QTest::mouseClick(landscape ? w.form->landscapeButton : w.form->portraitButton, Qt::LeftButton);
        QTest::mouseClick(w.form->OKButton, Qt::LeftButton);

        QCOMPARE(w.prompts.texts(), QStringList{U("保存成功！")});
        QVERIFY(Same(w.ctx.XSDPrintSet, saved));
        QVERIFY(Same(ReadSettings(w.ctx.ProgramDir).XSDPrintSet, saved));
        QVERIFY(!w.form->isVisible());
        QCOMPARE(w.form->result(), int(QDialog::Accepted));
    }

    void saveMargins()
    {
        Window w;
        for (QLineEdit* e : {w.form->TopMEdit, w.form->BottomMEdit, w.form->LeftMEdit, w.form->RightMEdit})
            w.type(e, QStringLiteral("5"));
        QTest::keyClick(w.form->BottomMEdit, Qt::Key_Backspace);
        QTest::mouseClick(w.form->OKButton, Qt::LeftButton);
        QVERIFY(Same(ReadSettings(w.ctx.ProgramDir).XSDPrintSet, Set(9, 210, 297, 0, 105, 10, 105, 105)));
    }

    // The number as a barcode on the sales document: off at first, kept in Set.ini when ticked.
    void numberBarcode()
    {
        Window w;
        QVERIFY(!w.form->NumberBarcodeCheckBox->isChecked());
        w.form->NumberBarcodeCheckBox->setChecked(true);
        QTest::mouseClick(w.form->OKButton, Qt::LeftButton);
        QCOMPARE(w.ctx.XSDPrintSet.NumberBarcode, 1);
        QCOMPARE(ReadSettings(w.ctx.ProgramDir).XSDPrintSet.NumberBarcode, 1);
        Window again(w.ctx.XSDPrintSet);
        QVERIFY(again.form->NumberBarcodeCheckBox->isChecked());
    }

    // Only digits and backspace, at most five characters; an accepted key in the width or length
    // edit switches to the custom size, a refused one or a margin key does not.
    void typing_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("paper");
        const QString a4 = QStringLiteral("A4(210x297mm)");
        QTest::newRow("digit in width") << "WidthEdit" << "210" << int(Qt::Key_5) << "2105" << U("自定义大小");
        QTest::newRow("backspace in length") << "lengthEdit" << "210" << int(Qt::Key_Backspace) << "29" << U("自定义大小");
        QTest::newRow("letter refused") << "WidthEdit" << "210" << int(Qt::Key_A) << "210" << a4;
        QTest::newRow("sixth digit refused") << "WidthEdit" << "12345" << int(Qt::Key_6) << "12345" << a4;
        QTest::newRow("margin") << "TopMEdit" << "210" << int(Qt::Key_5) << "105" << a4;
    }
    void typing()
    {
        QFETCH(QString, edit);
        QFETCH(QString, width);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, paper);
        TXSDPrintSet current;
        current.Width = width.toInt();
        Window w(current);
        auto* box = w.form->findChild<QLineEdit*>(edit);
        QVERIFY(box);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(box->text(), text);
        QCOMPARE(w.form->PaperSizeComboBox->currentText(), paper);
    }

    // Enter walks width → length → "保存" and margins → "保存" without saving; Enter on "保存" saves.
    void enterMovesOn()
    {
        Window w;
        TPrintSetForm& f = *w.form;
        f.WidthEdit->setFocus();
        QTest::keyClick(f.WidthEdit, Qt::Key_Return);
        QCOMPARE(f.focusWidget(), f.lengthEdit);
        QTest::keyClick(f.lengthEdit, Qt::Key_Return);
        QCOMPARE(f.focusWidget(), f.OKButton);
        f.RightMEdit->setFocus();
        QTest::keyClick(f.RightMEdit, Qt::Key_Enter);
        QCOMPARE(f.focusWidget(), f.OKButton);
        QVERIFY(w.prompts.entries.isEmpty());
        QVERIFY(!w.iniWritten());
        QVERIFY(f.isVisible());
        QTest::keyClick(f.OKButton, Qt::Key_Return);
        QCOMPARE(w.prompts.texts(), QStringList{U("保存成功！")});
    }

    // An empty edit is refused with a message naming it: nothing written, the window stays open.
    void emptyEditRefused_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("message");
        QTest::newRow("width") << "WidthEdit" << U("宽度不能为空!");
        QTest::newRow("top margin") << "TopMEdit" << U("上边距不能为空!");
        QTest::newRow("right margin") << "RightMEdit" << U("右边距不能为空!");
    }
    void emptyEditRefused()
    {
        QFETCH(QString, edit);
        QFETCH(QString, message);
        Window w(Set(13, 182, 257, 1));
        auto* box = w.form->findChild<QLineEdit*>(edit);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(box->text().isEmpty());
        QTest::mouseClick(w.form->OKButton, Qt::LeftButton);

        QCOMPARE(w.prompts.texts(), QStringList{message});
        QVERIFY(!w.iniWritten());
        QVERIFY(Same(w.ctx.XSDPrintSet, Set(13, 182, 257, 1)));
        QVERIFY(w.form->isVisible());
        QCOMPARE(w.form->focusWidget(), box);
    }

    // A Set.ini that cannot be written: "保存失败!", the settings in use stay, the window closes.
    void writeFails()
    {
        Window w(Set(13, 182, 257, 0));
        QVERIFY(QDir().mkdir(SettingsPath(w.ctx.ProgramDir)));  // a folder in the file's place
        w.choose(QStringLiteral("A5"));
        QTest::mouseClick(w.form->OKButton, Qt::LeftButton);
        QCOMPARE(w.prompts.texts(), QStringList{U("保存失败!")});
        QVERIFY(Same(w.ctx.XSDPrintSet, Set(13, 182, 257, 0)));
        QVERIFY(!w.form->isVisible());
    }

    void cancelWritesNothing()
    {
        Window w;
        w.choose(QStringLiteral("B4"));
        QTest::mouseClick(w.form->EscButton, Qt::LeftButton);
        QVERIFY(!w.form->isVisible());
        QVERIFY(!w.iniWritten());
        QVERIFY(w.prompts.entries.isEmpty());
        QVERIFY(Same(w.ctx.XSDPrintSet, TXSDPrintSet{}));
    }
};

QTEST_MAIN(TestPrintSetForm)
#include "test_printsetform.moc"
