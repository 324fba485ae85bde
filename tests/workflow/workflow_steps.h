#pragma once

#include "glav.h"
#include "window_test.h"

#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

inline QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

// Makes `window` the active one, as when the user clicks into it: its keys and shortcuts then work.
inline bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// How a calculator window is worked: the button of its opener that opens it, the window, its result
// field, its "Применить" and the opener's field that receives the result.
struct Calculator {
    const char *opensIt, *window, *result, *apply, *target;
};
inline constexpr Calculator steh{"Command2", "Steh", "Text5", "Command1", "Text5"};
inline constexpr Calculator plotn{"Command3", "Plotn", "Text2", "Command1", "Text4"};
inline constexpr Calculator massjid{"Command4", "Massjid", "Text6", "Command1", "Text1"};
inline constexpr Calculator plpar{"Command3", "Plpar", "Text5", "Command2", "Text2"};

// One user working through a whole calculation: the program's windows are driven by their control
// names and keys, and file dialogs answer with files in a folder of the test's own.
class Workflow : public testing::Test {
  protected:
    ~Workflow() override
    {
        glav_.reset();
        flushDeletes();
    }

    // Starts the program: a new main window, shown, with its numbers in `locale`.
    void startProgram(const QLocale& locale)
    {
        locale_ = locale;
        glav_ = std::make_unique<Glav>(locale);
        glav_->show();
        dialogs_.answerFileDialog = [this](QFileDialog&) { return chosenFile_; };
    }
    // Ends the program and starts it again: nothing of the calculation is left but its files.
    void restartProgram()
    {
        glav_.reset();
        flushDeletes();
        EXPECT_EQ(topLevel(QStringLiteral("Result_Out")), nullptr);
        startProgram(locale_);
    }
    Glav& glav() const { return *glav_; }

    // A number as the user types it in the program's locale; written here with a decimal comma.
    QString local(const char* commaText) const
    {
        return QString::fromUtf8(commaText).replace(u',', locale_.decimalPoint());
    }
    // Types "Field=number ..." into the fields of `window`; returns the last field's name.
    QString type(QWidget* window, const char* typing) const
    {
        QString field;
        for (const QString& entry : local(typing).split(u' ')) {
            field = entry.section(u'=', 0, 0);
            typeInto(window, field, entry.section(u'=', 1));
        }
        return field;
    }
    void typeMain(const char* typing) { type(glav_.get(), typing); }
    void press(const char* button) { clickButton(glav_.get(), latin(button)); }
    QString mainText(const char* field) const { return textOf(glav_.get(), latin(field)); }

    // Opens the calculator from `opener`, which then takes no input.
    static QWidget* open(QWidget* opener, const Calculator& calculator)
    {
        clickButton(opener, latin(calculator.opensIt));
        EXPECT_FALSE(opener->isEnabled()) << calculator.window << " left its opener taking input";
        return topLevel(latin(calculator.window));
    }
    // Types into the calculator, Enter runs its "Расчет", then "Применить"; returns the result shown,
    // after checking that it reached the opener's field and that the opener takes input again.
    QString calculateAndApply(QWidget* window, const Calculator& calculator, const char* typing,
                              QWidget* opener)
    {
        if (!window) {
            ADD_FAILURE() << calculator.window << " did not open";
            return {};
        }
        const QPointer<QWidget> calculatorWindow(window);
        QTest::keyClick(child<QWidget>(window, type(window, typing)), Qt::Key_Return);
        const QString shown = textOf(window, latin(calculator.result));
        clickButton(window, latin(calculator.apply));
        flushDeletes();
        EXPECT_TRUE(calculatorWindow.isNull()) << "\"Применить\" discards the calculator";
        EXPECT_EQ(textOf(opener, latin(calculator.target)), shown);
        EXPECT_TRUE(opener->isEnabled());
        return shown;
    }
    QString useCalculator(QWidget* opener, const Calculator& calculator, const char* typing)
    {
        return calculateAndApply(open(opener, calculator), calculator, typing, opener);
    }

    // Presses Ctrl+S or Ctrl+O in the main window; its file dialog is answered with `file`.
    void pressKeys(QKeySequence::StandardKey keys, const QString& file)
    {
        chosenFile_ = file;
        ASSERT_TRUE(activate(glav_.get()));
        QTest::keySequence(glav_.get(), keys);
        EXPECT_EQ(glav().windowTitle(), file);
    }

    QString path(const char* name) const { return folder_.filePath(latin(name)); }
    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The dialogs the user saw, message boxes and file dialogs, by class.
    QStringList dialogsSeen() const
    {
        QStringList classes;
        for (const SeenDialog& dialog : dialogs_.seen)
            classes << dialog.className;
        return classes;
    }

  private:
    QTemporaryDir folder_;
    QLocale locale_;
    std::unique_ptr<Glav> glav_;
    DialogRecorder dialogs_;
    QString chosenFile_;
};
