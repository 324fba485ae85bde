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
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        seen.push_back(
            {dialog.windowTitle(), box ? box->text() : QString(), box ? box->icon() : QMessageBox::NoIcon});
        if (box)
            return int(QMessageBox::Ok);
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

void clickButton(const QObject* parent, QAnyStringView name)
{
    if (auto* button = child<QAbstractButton>(parent, name.toString()))
        QTest::mouseClick(button, Qt::LeftButton);
}

void typeInto(const QObject* parent, QAnyStringView name, const QString& text)
{
    if (auto* field = child<QLineEdit>(parent, name.toString())) {
        field->selectAll();
        field->del();
        QTest::keyClicks(field, text);
    }
}

QString textOf(const QObject* parent, QAnyStringView name)
{
    auto* field = child<QLineEdit>(parent, name.toString());
    return field ? field->text() : QString();
}

void typeFields(const QObject* window, const Typing& typing)
{
    for (const auto& [field, text] : typing)
        typeInto(window, field, QString::fromUtf8(text));
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void openState(Glav& glav, const CalculationState& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("state.pzr"));
    writeFileBytes(path, writeCalculationFile(state, QLocale::c()));
    ASSERT_TRUE(glav.openCalculation(path));
}

QByteArray shownReportDocument(const Glav& glav)
{
    return glav.reportWindow() ? glav.reportWindow()->viewer()->documentBytes() : QByteArray();
}
