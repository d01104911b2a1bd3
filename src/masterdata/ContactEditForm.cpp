#include "ContactEditForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TContactEditForm::TContactEditForm(AppContext& context, QWidget* parent, const char* objectName,
                                   const QString& escCaption)
    : QDialog(parent), m_ctx(context), m_escCaption(escCaption)
{
    setObjectName(QLatin1String(objectName));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("添加"));
}

void TContactEditForm::setMode(EditMode mode, const QString& oldName)
{
    m_mode = mode;
    m_oldName = oldName;
    setWindowTitle(mode == EditMode::Add ? QStringLiteral("添加") : QStringLiteral("修改"));
}

void TContactEditForm::layOut(const QVector<Field>& fields, QWidget* nameBox)
{
    m_nameBox = nameBox;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    int row = 0, col = 0;
    QWidget* previous = nullptr;
    for (const Field& f : fields) {
        if (previous)
            setTabOrder(previous, f.box);  // Tab reads the boxes as they are laid out
        previous = f.box;
        if (f.wide && col > 0) {
            ++row;
            col = 0;
        }
        auto* label = new QLabel(QString::fromUtf8(f.label) + QStringLiteral("："), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(f.box);
        grid->addWidget(label, row, col);
        grid->addWidget(f.box, row, col + 1, 1, f.wide ? 3 : 1);
        col += 2;
        if (f.wide || col == 4) {
            ++row;
            col = 0;
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(1, 190);
    grid->setColumnMinimumWidth(3, 190);

    OKButton = MakeButton(this, "OKButton", QStringLiteral("确定"));
    OKButton->setDefault(true);
    EscButton = MakeButton(this, "EscButton", m_escCaption);
    GuardedConnect(OKButton, &QPushButton::clicked, this, m_ctx, &TContactEditForm::OKButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TContactEditForm::EscButtonClick);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 18, 20, 14);
    top->setSpacing(16);
    top->addLayout(grid);
    top->addLayout(ButtonRow({OKButton, EscButton}));
    setFixedSize(sizeHint());
}

void TContactEditForm::refuse(const QString& text, QWidget* box, bool select)
{
    m_ctx.prompts->message(this, text);
    if (!box)
        return;
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box); edit && select)
        edit->selectAll();
}

void TContactEditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TContactEditForm::FormShow()
{
    if (m_nameBox)
        m_nameBox->setFocus();
}

void TContactEditForm::EscButtonClick()
{
    reject();
}
