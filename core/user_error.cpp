#include "user_error.h"

UserError::UserError() : UserError(QStringLiteral("Ошибка ввода данных!")) {}

UserError::UserError(const QString& message) : message_(message), utf8_(message.toUtf8()) {}
