#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one failure the user is told about. It carries the message, in Russian, that the window
// shows; each handler catches it once and decides only how to show it.
//
// A calculation fails with the input-error message: a field that is not a number, or a step whose
// result is infinite or undefined (invalid operation, division by zero, overflow). What was stored
// before the failing step stays stored.
class UserError : public std::exception {
  public:
    // A calculation's failure: "Ошибка ввода данных!".
    UserError();
    explicit UserError(const QString& message);

    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};
