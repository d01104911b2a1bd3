#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

// The kinds of prompt every window uses. Windows call the service of their context; tests
// put a RecordingPrompts in its place.
class Prompts {
public:
    virtual ~Prompts() = default;
    // Plain message: the text, an OK button, no icon, captioned with the application title.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Question: captioned "提示", buttons OK and Cancel, no icon; true when OK was chosen.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // Question before data are deleted or replaced: captioned "提示", a warning icon, OK and
    // Cancel with Cancel the default button, so that Enter alone destroys nothing; true when OK
    // was chosen. The text names what will go.
    virtual bool warningQuestion(QWidget* parent, const QString& text) = 0;
    // Error box with the database layer's text (the application's default error handler).
    virtual void error(QWidget* parent, const QString& text) = 0;
};

// Modal message boxes on screen.
class BoxPrompts : public Prompts {
public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    bool warningQuestion(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
};

// Records every prompt and answers questions from a script (OK when the script runs out).
class RecordingPrompts : public Prompts {
public:
    struct Entry {
        enum Kind { Message, Question, WarningQuestion, Error } kind;
        QString text;
    };

    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    bool warningQuestion(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;

    QVector<bool> answers;       // answers to the coming questions of both kinds, in order
    QVector<Entry> entries;      // every prompt shown, in order

    QStringList texts() const;   // the texts of all prompts, in order
    QString last() const { return entries.isEmpty() ? QString() : entries.last().text; }
    void clear() { entries.clear(); }
};

inline constexpr const char* AppTitle = "晴岚家电销售管理系统";
