#pragma once

#include "user_error.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Every modal dialog of the program (message boxes, file dialogs) runs through execModal(), so that
// headless tests can look at the real dialog and answer it instead of entering a modal loop.
using ModalHandler = std::function<int(QDialog&)>;

int execModal(QDialog& dialog);

// Replaces exec() for all later dialogs; an empty handler restores exec(). For tests.
void setModalHandler(ModalHandler handler);

// A modal message with an OK button only. Error messages carry the critical icon.
void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
void showCritical(QWidget* parent, const QString& title, const QString& text);

// The box every calculation shows when a field is not a number or a step has no finite result.
void showError(QWidget* parent, const UserError& error);

// Qt's own dialog texts (the file dialogs, standard buttons) in Russian, like the rest of the
// program, whatever the user's locale. Call once after creating the application; without Debian's
// qt6-translations-l10n they stay in English.
void useRussianQtTexts();
