#include "HelpForm.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpForm::THelpForm(const QString& helpFile, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("帮助"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    HelpBrowser = new QTextBrowser(this);
    HelpBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    HelpBrowser->setOpenExternalLinks(true);  // a web address still goes to a browser, if any
    HelpBrowser->setSource(QUrl::fromLocalFile(helpFile));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(HelpBrowser);
    resize(860, 640);
}
