#include "modal.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
ModalHandler& handler()
{
    static ModalHandler instance;
    return instance;
}
} // namespace

int execModal(QDialog& dialog)
{
    if (handler())
        return handler()(dialog);
    return dialog.exec();
}

void setModalHandler(ModalHandler newHandler)
{
    handler() = std::move(newHandler);
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    execModal(box);
}

void showCritical(QWidget* parent, const QString& title, const QString& text)
{
    showMessage(parent, QMessageBox::Critical, title, text);
}

void showError(QWidget* parent, const UserError& error)
{
    showCritical(parent, QStringLiteral(" "), error.message());
}

void useRussianQtTexts()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
