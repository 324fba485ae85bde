#pragma once

#include "core_test.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

class QFileDialog;

// A dialog the program tried to show, as the user would have seen it.
struct SeenDialog {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Any dialog shown outside a DialogRecorder fails the running test instead of blocking it.
void failOnUnexpectedDialogs();

// While alive, records every modal dialog and answers it: message boxes with OK, file dialogs
// through `answerFileDialog` (by default they are cancelled).
class DialogRecorder {
  public:
    DialogRecorder();
    ~DialogRecorder();
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    std::vector<SeenDialog> seen;
    // Returns the path to choose, or an empty string to cancel.
    std::function<QString(QFileDialog&)> answerFileDialog;
};

// The child of `parent` with this objectName; fails the test when there is none.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}

// The top-level window with this objectName, or nullptr.
QWidget* topLevel(const QString& name);

// Clicks a button found by objectName (a disabled button ignores the click, as it would for a user).
void clickButton(const QObject* parent, QAnyStringView name);

// Replaces the text of a line edit found by objectName as a user would, by typing it.
void typeInto(const QObject* parent, QAnyStringView name, const QString& text);
QString textOf(const QObject* parent, QAnyStringView name);
// Types each {field, text} pair (UTF-8) into the window's field of that name.
using Typing = std::vector<std::pair<const char*, const char*>>;
void typeFields(const QObject* window, const Typing& typing);

class Glav;
struct CalculationState;

// Puts `state` into the main window the way a user would: saved as a calculation file and opened.
// Only the numbers the calculation file holds arrive.
void openState(Glav& glav, const CalculationState& state);

// The report document the main window's report window shows (the bytes it wrote), or empty.
QByteArray shownReportDocument(const Glav& glav);

// Runs the deferred deletions of closed windows, so they are gone as they would be for a user.
void flushDeletes();
