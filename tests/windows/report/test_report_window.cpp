#include "failing_disk.h"
#include "report_browser.h"
#include "report_publisher.h"
#include "result_out.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QString shownText(const Result_Out* window)
{
    return window ? window->viewer()->toPlainText().trimmed() : QString();
}

// A folder that can never be created or written: its parent is a regular file.
QString unwritableFolder(const QTemporaryDir& folder)
{
    writeFileBytes(folder.filePath(u"plain-file"_s), {});
    return folder.filePath(u"plain-file/folder"_s);
}

TEST(ResultOut, LooksAsDesigned)
{
    Result_Out window;
    window.show();
    expectWindowDump(window, QStringLiteral(EXPECTED "/report/expected/Result_Out.txt"));
    EXPECT_EQ(child<QWidget>(&window, u"client"_s)->size(), QSize(892, 599)) << "13380 x 8985 twips";
    EXPECT_FALSE(child<QAction>(&window, u"pdf"_s)->isEnabled()) << "no report to copy yet";
}

// The viewer follows the window's outer size less 150 x 400 twips; a width that would be negative
// ends the resize with neither changed.
TEST(ResultOut, ViewerFollowsTheOuterSize)
{
    const QSize design(9615, 7935);
    EXPECT_EQ(browserSizeAfterResize(design, QSize(15000, 10000)), QSize(14850, 9600));
    EXPECT_EQ(browserSizeAfterResize(design, QSize(100, 10000)), design);
}

// Two running copies of the program publish into one folder in turn; each shows what it wrote.
TEST(ReportPublisher, TwoCopiesInOneFolderEachShowTheirOwnReport)
{
    QTemporaryDir folder;
    ReportPublisher first;
    ReportPublisher second;
    first.setDocumentFolders({folder.path()});
    second.setDocumentFolders({folder.path()});
    for (int round = 0; round < 3; ++round) {
        first.PublishReport(u"<p>первый"_s);
        second.PublishReport(u"<p>второй"_s);
        EXPECT_EQ(shownText(first.window()), u"первый"_s);
        EXPECT_EQ(shownText(second.window()), u"второй"_s);
    }
}

// The print, PDF, HTML and browser actions of a window showing the worked room report.
class ReportCopies : public testing::Test {
  protected:
    ReportCopies() { window.showDocument(u"proect.htm"_s, expectedReport("room_comma.htm")); }
    void saveCopy(const char* action, const QString& path)
    {
        dialogs.answerFileDialog = [path](QFileDialog&) { return path; };
        child<QAction>(&window, QString::fromLatin1(action))->trigger();
    }
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished()) << program.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }

    const QString heading =
        u"1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП 12.13130.2009)"_s;
    QTemporaryDir folder;
    Result_Out window;
    DialogRecorder dialogs;
};

TEST_F(ReportCopies, PdfIsSearchableA4TextTitledByTheFirstHeading)
{
    saveCopy("pdf", folder.filePath(u"room"_s));
    const QString pdf = folder.filePath(u"room.pdf"_s); // the suffix added
    const QString text = run(u"pdftotext"_s, {pdf, u"-"_s});
    EXPECT_TRUE(text.contains(heading)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Р = 99,875кПа."_s)) << "the user's decimal comma";
    const QString info = run(u"pdfinfo"_s, {pdf});
    EXPECT_TRUE(info.contains(u"Title: "_s + heading)) << info.toStdString();
    EXPECT_TRUE(info.contains(u"(A4)"_s)) << info.toStdString();
    EXPECT_EQ(dialogs.seen.size(), 1u) << "no message";
}

TEST_F(ReportCopies, HtmlCopyDeclaresUtf8AndHoldsTheReportText)
{
    saveCopy("html", folder.filePath(u"report.html"_s));
    const QByteArray html = fileBytes(folder.filePath(u"report.html"_s));
    EXPECT_EQ(QStringConverter::encodingForHtml(html), QStringConverter::Utf8);
    QTextDocument copy;
    copy.setHtml(QString::fromUtf8(html));
    EXPECT_EQ(copy.toPlainText(), window.viewer()->toPlainText());
    EXPECT_EQ(copy.metaInformation(QTextDocument::DocumentTitle), heading);
}

// A copy cut short by a file-size limit, or aimed into a folder that cannot exist, is told by name
// and leaves what was there.
TEST_F(ReportCopies, ACopyThatCannotBeWrittenIsToldAndKeepsTheOldFile)
{
    const QString kept = folder.filePath(u"kept.pdf"_s);
    writeFileBytes(kept, "old");
    for (const QString& path : QStringList{kept, unwritableFolder(folder) + u"/report.html"_s}) {
        dialogs.seen.clear();
        {
            FileSizeLimit limit(2000);
            saveCopy(path.endsWith(u".pdf"_s) ? "pdf" : "html", path);
        }
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].icon, QMessageBox::Critical);
        EXPECT_TRUE(dialogs.seen[1].text.contains(u'«' + QDir::toNativeSeparators(path) + u'»'));
    }
    EXPECT_EQ(fileBytes(kept), "old");
}

} // namespace
