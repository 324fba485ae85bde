#include "window_test.h"

#include "calculation_file.h"
#include "glav.h"
#include "modal.h"
#include "report_browser.h"
#include "result_out.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

void failOnUnexpectedDialogs()
{
    setModalHandler([](QDialog& dialog) {
        ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className() << ": "
                      << dialog.windowTitle().toStdString();
        return int(QDialog::Rejected);
    });
}

DialogRecorder::DialogRecorder()
{
    setModalHandler([this](QDialog& dialog) {
        SeenDialog shown;
        shown.className = QString::fromLatin1(dialog.metaObject()->className());
        shown.title = dialog.windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            shown.text = box->text();
            shown.icon = box->icon();
            shown.buttons = box->standardButtons();
            seen.push_back(shown);
            return int(QMessageBox::Ok);
        }
        seen.push_back(shown);
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            const QString path = answerFileDialog ? answerFileDialog(*files) : QString();
            if (path.isEmpty())
                return int(QDialog::Rejected);
            files->selectFile(path);
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });
}

DialogRecorder::~DialogRecorder()
{
    failOnUnexpectedDialogs();
}

QWidget* topLevel(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

void clickButton(const QObject* parent, const QString& name)
{
    if (auto* button = child<QAbstractButton>(parent, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

void typeInto(const QObject* parent, const QString& name, const QString& text)
{
    if (auto* field = child<QLineEdit>(parent, name)) {
        field->selectAll();
        field->del();
        QTest::keyClicks(field, text);
    }
}

QString textOf(const QObject* parent, const QString& name)
{
    auto* field = child<QLineEdit>(parent, name);
    return field ? field->text() : QString();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void openState(Glav& glav, const CalculationState& state)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("state.pzr")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeCalculationFile(state, QLocale::c()));
    file.close();
    ASSERT_TRUE(glav.openCalculation(file.fileName()));
}

QByteArray shownReportDocument(const Glav& glav)
{
    return glav.reportWindow() ? glav.reportWindow()->viewer()->documentBytes() : QByteArray();
}
