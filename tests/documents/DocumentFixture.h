#pragma once

// Driving the document windows offscreen: a program folder with the demonstration data and three
// goods items of a brand of their own (known stock and cost), the add-item dialog filled through
// its controls, and the page model of a preview.

#include "AppFixture.h"
#include "Database.h"
#include "DemoData.h"
#include "GoodsLineForm.h"
#include "Ledger.h"
#include "ReportPreviewDialog.h"
#include "StringGrid.h"
#include "TradeDocumentForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTimer>
#include <functional>

struct DocumentFixture : AppFixture {
    DocumentFixture()
    {
        for (const SeedGoods& g : {SeedGoods{"远山", "远山挂机空调", "空调", "YS-35GW", 5, 2000},
                                   SeedGoods{"远山", "远山挂机空调", "空调", "YS-26GW", 10, 100},
                                   SeedGoods{"远山", "远山冰箱", "冰箱", "YS-BCD215", 3, 1500}})
            InsertGoodsItem(ctx().db(), g);
    }

    Database& db() { return ctx().db(); }
    int stock(const char* spec) { return GetKuCunShuLiang(db(), "远山", product(spec), spec); }
    double cost(const char* spec) { return GetPJCB(db(), "远山", product(spec), spec).yuan(); }
    QVariant value(const QString& sql) { return db().scalar(sql); }
    // The first row's values one after the other, separated by blanks, an amount with at least one
    // decimal place (1200.0), as SQLite writes a stored amount as text; alike on either engine.
    QString fields(const QString& sql)
    {
        QSqlQuery q = db().exec(sql);
        QStringList texts;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                QString text = v.toString();
                if (v.typeId() == QMetaType::Double) {
                    text = QString::number(v.toDouble(), 'g', 15);
                    if (!text.contains(u'.') && !text.contains(u'e'))
                        text += QStringLiteral(".0");
                }
                texts << text;
            }
        return texts.join(u' ');
    }
    static QString product(const char* spec)
    {
        return QString::fromUtf8(spec) == QStringLiteral("YS-BCD215") ? QStringLiteral("远山冰箱")
                                                                        : QStringLiteral("远山挂机空调");
    }
};

// Runs step on the modal dialog that the next action opens (once it is shown).
inline void OnModal(std::function<void(QWidget*)> step)
{
    QTimer::singleShot(0, [step] { step(QApplication::activeModalWidget()); });
}

// Fills the add-item dialog: the spec found through "型号/条码", the price and quantity typed,
// then "确定"; a refused line leaves the dialog with "返回".
inline void AddLine(TradeDocumentForm& w, const QString& spec, const QString& price, const QString& quantity)
{
    OnModal([=](QWidget* d) {
        auto* f = qobject_cast<GoodsLineForm*>(d);
        QVERIFY(f);
        QTest::keyClicks(f->FindEdit, spec);
        QTest::keyClick(f->FindEdit, Qt::Key_Return);
        QTest::keyClicks(f->DJEdit, price);
        QTest::keyClicks(f->SLEdit, quantity);
        QTest::mouseClick(f->okButton, Qt::LeftButton);
        if (f->isVisible())
            QTest::mouseClick(f->backButton, Qt::LeftButton);
    });
    QTest::mouseClick(w.AddButton, Qt::LeftButton);
}

// The page model of the preview that action opens; the preview is closed.
inline PageModel PreviewOf(const std::function<void()>& action)
{
    PageModel model;
    OnModal([&model](QWidget* d) {
        if (auto* preview = qobject_cast<ReportPreviewDialog*>(d)) {
            model = preview->model();
            preview->reject();
        }
    });
    action();
    return model;
}

// The texts of a page model in reading order, with the name of the label or field they fill.
inline QHash<QString, QString> LabelTexts(const PageModel& model)
{
    QHash<QString, QString> out;
    for (const ReportPage& p : model.pages)
        for (const PageText& t : p.texts)
            if (!t.source.isEmpty() && !out.contains(t.source))
                out.insert(t.source, t.text);
    return out;
}

inline QStringList FieldColumn(const PageModel& model, const QString& field)
{
    QStringList out;
    for (const ReportPage& p : model.pages)
        for (const PageText& t : p.texts)
            if (t.source.compare(field, Qt::CaseInsensitive) == 0)
                out << t.text;
    return out;
}

// Clicks the window's link to the customer (supplier) window, adds one there through "添加" (its
// name put into the edit box nameEdit, with a contact, phone and address) and leaves the window;
// an empty name adds nothing.
inline void AddPartnerThroughLink(TradeDocumentForm& w, const char* nameEdit, const QString& name,
                                  const QString& phone, const QString& address)
{
    OnModal([=](QWidget* list) {
        QVERIFY(list);
        if (!name.isEmpty()) {
            OnModal([=](QWidget* editor) {
                QVERIFY(editor);
                editor->findChild<QLineEdit*>(QLatin1String(nameEdit))->setText(name);
                editor->findChild<QLineEdit*>(QStringLiteral("LXREdit"))->setText(QStringLiteral("刘先生"));
                editor->findChild<QLineEdit*>(QStringLiteral("PhoneEdit"))->setText(phone);
                editor->findChild<QLineEdit*>(QStringLiteral("AddressEdit"))->setText(address);
                QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
                QVERIFY(!editor->isVisible() || (static_cast<QDialog*>(editor)->reject(), false));
            });
            QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("AddButton")), Qt::LeftButton);
        }
        QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("ExitButton")), Qt::LeftButton);
    });
    QTest::mouseClick(w.partnerLink, Qt::LeftButton);
}

// The partner link from a blank header, as a walk-in sale begins: leaving the partner window
// without adding one keeps the header as it was (blank, or as typed); a partner added there fills
// box, phone and address with its own details (`added`), and they stay after another visit.
inline void CheckPartnerLink(TradeDocumentForm& w, const char* nameEdit, const QStringList& added)
{
    const auto header = [&w] { return QStringList{w.partnerBox->currentText(), w.phoneEdit->text(), w.addressEdit->text()}; };
    QCOMPARE(header(), (QStringList{"", "", ""}));
    AddPartnerThroughLink(w, nameEdit, QString(), QString(), QString());
    QCOMPARE(header(), (QStringList{"", "", ""}));
    w.partnerBox->setEditText(QStringLiteral("过路客"));
    w.phoneEdit->setText(QStringLiteral("13900000000"));
    AddPartnerThroughLink(w, nameEdit, QString(), QString(), QString());
    QCOMPARE(header(), (QStringList{"过路客", "13900000000", ""}));
    AddPartnerThroughLink(w, nameEdit, added[0], added[1], added[2]);
    QCOMPARE(header(), added);
    AddPartnerThroughLink(w, nameEdit, QString(), QString(), QString());
    QCOMPARE(header(), added);
}
