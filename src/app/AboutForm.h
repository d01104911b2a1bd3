#pragma once

#include <QDialog>

struct AppContext;
class QLabel;
class QPushButton;

// The "关于" window: the product title, its edition and the maker's lines.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(AppContext& context, QWidget* parent = nullptr);

    QLabel* TitleLabel = nullptr;
    QLabel* EditionLabel = nullptr;   // 5 pixels after the title's end
    QLabel* MakerLabel = nullptr;
    QLabel* PhoneLabel = nullptr;
    QLabel* MailLabel = nullptr;
    QPushButton* OKButton = nullptr;

private:
    void setupUi();

    AppContext& m_ctx;
};
