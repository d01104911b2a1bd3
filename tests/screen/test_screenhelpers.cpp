#include "Keyboard.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// Puts a placeholder tip in place of any note shown, so the next note can be told from it.
void ResetNote()
{
    QToolTip::showText(QPoint(0, 0), QStringLiteral("-"));
}

// A grid of `rows` rows (header included) with cells "c<col>r<row>".
void Fill(StringGrid& g, int rows, int cols)
{
    g.setColCount(cols);
    g.setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.setCell(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
}

}  // namespace

class TestScreenHelpers : public QObject {
    Q_OBJECT
private slots:
    void clearGrid()
    {
        StringGrid g;
        Fill(g, 5, 3);
        ClearGrid(g);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(g.cell(0, 1), QString());
        QCOMPARE(g.cell(2, 1), QString());
        QCOMPARE(g.cell(1, 0), QStringLiteral("c1r0"));  // the header row stays
    }

    void deleteOnlyRow()
    {
        StringGrid g;
        Fill(g, 2, 3);
        DeleteGridRow(1, g);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(g.cell(0, 1), QStringLiteral("c0r1"));
        QCOMPARE(g.cell(1, 1), QString());
        QCOMPARE(g.cell(2, 1), QString());
    }

    void deleteMiddleRow()
    {
        StringGrid g;
        Fill(g, 5, 3);
        DeleteGridRow(2, g);
        QCOMPARE(g.rowCount(), 4);
        QCOMPARE(g.cell(1, 2), QStringLiteral("c1r3"));
        QCOMPARE(g.cell(2, 3), QStringLiteral("c2r4"));
        QCOMPARE(g.cell(0, 2), QStringLiteral("c0r2"));  // column 0 stays
        DeleteGridRow(0, g);
        QCOMPARE(g.rowCount(), 4);
    }

    void gridShowsHeaderAndRows()
    {
        StringGrid g;
        g.setHeader({QStringLiteral("序号"), QStringLiteral("品牌"), QStringLiteral("数量")});
        g.setDataRows({{QStringLiteral("1"), QStringLiteral("北辰"), QStringLiteral("3")},
                       {QStringLiteral("2"), QStringLiteral("雪峰"), QStringLiteral("5")}});
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(g.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("品牌"));
        QCOMPARE(g.model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
        QCOMPARE(g.model()->index(1, 1).data().toString(), QStringLiteral("5"));
        g.setRow(2);
        QCOMPARE(g.row(), 2);
        g.setDataRows({});
        QCOMPARE(g.rowCount(), 2);
    }

    void floatKeyFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit") << "12" << QChar(u'7') << true;
        QTest::newRow("first point") << "12" << QChar(u'.') << true;
        QTest::newRow("second point") << "1.2" << QChar(u'.') << false;
        QTest::newRow("minus") << "" << QChar(u'-') << false;
        QTest::newRow("letter") << "" << QChar(u'a') << false;
        QTest::newRow("backspace") << "1.2" << Backspace << true;
    }
    void floatKeyFilter()
    {
        QFETCH(QString, text);
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        QLineEdit box(text);
        QCOMPARE(!FloatKeyFilter(key, box).isNull(), accepted);
    }

    void intKeyFilter()
    {
        QLineEdit box(QStringLiteral("12345"));
        box.deselect();
        QVERIFY(IntKeyFilter(u'6', box).isNull());
        QCOMPARE(IntKeyFilter(Backspace, box), Backspace);
        QVERIFY(IntKeyFilter(u'.', box).isNull());
        box.selectAll();
        QCOMPARE(IntKeyFilter(u'6', box), QChar(u'6'));
    }

    // Typing into a filtered box: refused characters never arrive, and never without a word
    // ("12.3.4e5" typed as a price reads 12.345, with the note beside the box).
    void installedFilters()
    {
        QLineEdit money;
        InstallFloatKeyFilter(&money);
        QTest::keyClicks(&money, QStringLiteral("12.3"));
        ResetNote();
        QTest::keyClicks(&money, QStringLiteral(".4e5"));
        QCOMPARE(money.text(), QStringLiteral("12.345"));
        QCOMPARE(QToolTip::text(), QStringLiteral("只能输入数字和一个小数点"));
        QLineEdit qty;
        InstallIntKeyFilter(&qty);
        QTest::keyClicks(&qty, QStringLiteral("1234"));
        ResetNote();
        QTest::keyClicks(&qty, QStringLiteral("567"));
        QCOMPARE(qty.text(), QStringLiteral("12345"));
        QCOMPARE(QToolTip::text(), QStringLiteral("只能输入数字"));
        QTest::keyClick(&qty, Qt::Key_Backspace);
        QCOMPARE(qty.text(), QStringLiteral("1234"));
    }

    // Filters put together: a money box that also takes "-", a year box of four digits.
    void composedFilters()
    {
        QLineEdit amount;
        InstallKeyFilter(&amount, AcceptAlso(QStringLiteral("-"), FloatKeyFilter));
        QTest::keyClicks(&amount, QStringLiteral("-1a2.5.-"));
        QCOMPARE(amount.text(), QStringLiteral("-12.5-"));
        QTest::keyClick(&amount, Qt::Key_Backspace);
        QCOMPARE(amount.text(), QStringLiteral("-12.5"));
        QLineEdit year;
        InstallKeyFilter(&year, LengthLimit(4, IntKeyFilter));
        QTest::keyClicks(&year, QStringLiteral("2024"));
        QTest::keyClicks(&year, QStringLiteral("5"));
        QCOMPARE(year.text(), QStringLiteral("2024"));
        year.selectAll();
        QTest::keyClicks(&year, QStringLiteral("1999"));
        QCOMPARE(year.text(), QStringLiteral("1999"));
    }

    // Enter moves the focus and never presses the window's default button.
    void enterMovesFocus()
    {
        QDialog window;
        auto* first = new QLineEdit(QStringLiteral("1"), &window);
        auto* second = new QLineEdit(QStringLiteral("22"), &window);
        auto* ok = new QPushButton(QStringLiteral("确定"), &window);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(ok)})
            layout->addWidget(w);
        EnterMovesFocus(first, second);
        EnterMovesFocus(second, ok);
        QSignalSpy clicked(ok, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(second->hasFocus());
        QCOMPARE(second->selectedText(), QStringLiteral("22"));
        QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(ok->hasFocus());
        QCOMPARE(clicked.count(), 0);
        QVERIFY(window.isVisible());
    }

    // A grid lists whole rows: Tab and Shift+Tab leave it for the controls around it, arrows
    // choose the row.
    void tabLeavesGrid()
    {
        QDialog window;
        auto* before = new QPushButton(QStringLiteral("查询"), &window);
        auto* grid = new StringGrid(&window);
        auto* after = new QPushButton(QStringLiteral("退出"), &window);
        Fill(*grid, 4, 3);
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(grid), static_cast<QWidget*>(after)})
            layout->addWidget(w);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        grid->setRow(1);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->row(), 2);
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(after->hasFocus());
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(before->hasFocus());
    }

    // The chosen row shows as chosen, but the blank row an empty list keeps shows no bar.
    void blankRowIsNotHighlighted()
    {
        StringGrid grid;
        grid.setHeader({QStringLiteral("序号"), QStringLiteral("品牌"), QStringLiteral("数量")});
        grid.resize(300, 120);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setFocus();
        const auto rowColour = [&grid] {
            const QRect cell = grid.visualRect(grid.model()->index(0, 0));
            return grid.viewport()->grab().toImage().pixelColor(cell.center() + QPoint(cell.width() / 3, 0));
        };
        const auto highlighted = [&grid](const QColor& c) {  // the style shades the bar a little
            const QColor h = grid.palette().color(QPalette::Highlight);
            return std::abs(c.red() - h.red()) + std::abs(c.green() - h.green()) + std::abs(c.blue() - h.blue()) < 24;
        };
        grid.setRow(1);
        QVERIFY(!highlighted(rowColour()));
        grid.setCell(1, 1, QStringLiteral("北辰"));  // filled where it stands, it shows as chosen
        QVERIFY(highlighted(rowColour()));
    }

    // Hovering a cell whose text is cut off shows the whole text; a cell shown whole shows none.
    void cutOffCellShowsItsText()
    {
        StringGrid grid;
        grid.setHeader({QString(), QStringLiteral("客户"), QStringLiteral("电话")});
        const QString longName = QStringLiteral("晴岚市城东区花园路五号国际商务中心写字楼管理有限公司");
        grid.setDataRows({{QStringLiteral("1"), longName, QStringLiteral("1")}});
        grid.setColWidth(1, 80);
        grid.setColWidth(2, 80);
        grid.resize(300, 120);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const auto hover = [&grid](int column) {
            const QPoint at = grid.visualRect(grid.model()->index(0, column)).center();
            QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
            QApplication::sendEvent(grid.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(hover(1), QString());  // "1" in a column of its own fits
        QCOMPARE(hover(0), longName);
    }

    // Text that does not come from key presses meets the same rules: an input method's commit,
    // paste. Full-width digits and points become ASCII; anything else is refused whole.
    void filtersSeeEveryInput_data()
    {
        QTest::addColumn<bool>("integer");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("refused");  // and said so beside the box
        QTest::newRow("chinese full stop") << false << "12" << "。" << false << "12." << false;
        QTest::newRow("full-width digits") << false << "1" << "２３．５" << false << "123.5" << false;
        QTest::newRow("chinese characters") << false << "12" << "五元" << false << "12" << true;
        QTest::newRow("second point") << false << "1.2" << "。" << false << "1.2" << true;
        QTest::newRow("pasted text") << false << "12" << "3a" << true << "12" << true;
        QTest::newRow("pasted price with two points") << false << "" << "12.3.4e5" << true << "" << true;
        QTest::newRow("pasted number") << false << "" << "45.6" << true << "45.6" << false;
        QTest::newRow("integer point") << true << "12" << "。" << false << "12" << true;
        QTest::newRow("integer too long") << true << "1234" << "56" << true << "12345" << true;
        QTest::newRow("integer too long, letter") << true << "1234" << "5a" << true << "1234" << true;
        QTest::newRow("integer full-width") << true << "1" << "２" << false << "12" << false;
    }
    void filtersSeeEveryInput()
    {
        QFETCH(bool, integer);
        QFETCH(QString, before);
        QFETCH(QString, input);
        QFETCH(bool, paste);
        QFETCH(QString, after);
        QFETCH(bool, refused);
        QLineEdit box;
        integer ? InstallIntKeyFilter(&box) : InstallFloatKeyFilter(&box);
        box.setText(before);
        ResetNote();
        if (paste) {
            QApplication::clipboard()->setText(input);
            box.paste();
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(input);
            QApplication::sendEvent(&box, &commit);
        }
        QCOMPARE(box.text(), after);
        const QString note = integer ? QStringLiteral("只能输入数字") : QStringLiteral("只能输入数字和一个小数点");
        QCOMPARE(QToolTip::text(), refused ? note : QStringLiteral("-"));
    }

    // A length limit refuses typing, commits and paste past the limit, but never cuts a longer
    // text the program sets; such a text may still get shorter.
    void lengthLimit()
    {
        QLineEdit box;
        LimitLength(&box, 5);
        QTest::keyClicks(&box, QStringLiteral("abcdefg"));
        QCOMPARE(box.text(), QStringLiteral("abcde"));
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("字"));
        QApplication::sendEvent(&box, &commit);
        QCOMPARE(box.text(), QStringLiteral("abcde"));
        const QString stored(40, u'长');
        box.setText(stored);
        QCOMPARE(box.text(), stored);
        QTest::keyClick(&box, 'x');
        QCOMPARE(box.text(), stored);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QString(39, u'长'));
    }

    // A paste longer than the room left is cut to the limit, wherever the cursor stands and
    // whatever it replaces; the cursor stays after what was kept.
    void pasteKeepsWhatFits_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursor");
        QTest::newRow("empty box") << "" << 0 << 0 << "晴岚家电销售管理" << "晴岚家电销" << 5;
        QTest::newRow("at the end") << "ab" << 2 << 0 << "cdefg" << "abcde" << 5;
        QTest::newRow("in the middle") << "ab" << 1 << 0 << "xyzw" << "axyzb" << 4;
        QTest::newRow("over a selection") << "abcde" << 1 << 3 << "wxyz" << "awxye" << 4;
        QTest::newRow("full box") << "abcde" << 5 << 0 << "f" << "abcde" << 5;
        QTest::newRow("pair at the cut") << "abcd" << 4 << 0 << QString::fromUtf8("\xF0\x9F\x93\xA6") << "abcd" << 4;
    }
    void pasteKeepsWhatFits()
    {
        QFETCH(QString, before);
        QFETCH(int, from);
        QFETCH(int, selected);
        QFETCH(QString, pasted);
        QLineEdit box;
        LimitLength(&box, 5);
        box.setText(before);
        box.setSelection(from, selected);
        if (selected == 0)
            box.setCursorPosition(from);
        QApplication::clipboard()->setText(pasted);
        box.paste();
        QTEST(box.text(), "after");
        QTEST(box.cursorPosition(), "cursor");
    }

    void comboIndexOf()
    {
        QComboBox combo;
        combo.addItems({QStringLiteral("A4"), QStringLiteral("a4"), QStringLiteral("B5")});
        QCOMPARE(ComboIndexOf(combo, QStringLiteral("a4")), 1);
        QCOMPARE(ComboIndexOf(combo, QStringLiteral("B5")), 2);
        QCOMPARE(ComboIndexOf(combo, QStringLiteral("Letter")), -1);
    }
};

QTEST_MAIN(TestScreenHelpers)
#include "test_screenhelpers.moc"
