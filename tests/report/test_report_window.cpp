#include "grand.h"
#include "report_browser.h"
#include "report_document.h"
#include "report_publisher.h"
#include "result_out.h"
#include "window_test.h"

#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString caption = QStringLiteral("Отчет");

// What a viewer shows of an HTML fragment: the text without its tags.
QString withoutTags(const QString& html)
{
    return QString(html).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

int openReportWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QStringLiteral("Result_Out") ? 1 : 0;
    return count;
}

QString shownText(const Result_Out* window)
{
    auto* browser = child<ReportBrowser>(window, QStringLiteral("WebBrowser1"));
    return browser ? browser->toPlainText().trimmed() : QString();
}

// Looks at the viewer at the moment the report window is shown for the first time.
class FirstShowWatcher : public QObject {
  public:
    QString textWhenShown;
    bool shown = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QStringLiteral("Result_Out") &&
            !shown) {
            shown = true;
            textWhenShown = shownText(static_cast<Result_Out*>(watched));
        }
        return false;
    }
};

struct PublisherInTemporaryFolder {
    QTemporaryDir folder;
    ReportPublisher publisher;
    PublisherInTemporaryFolder() { publisher.setDocumentPath(folder.filePath(QStringLiteral("proect.htm"))); }
};

} // namespace

struct ResizeRow {
    const char* name;
    QSize browser;
    QSize window;
    QSize expected;
};

class BrowserResize : public testing::TestWithParam<ResizeRow> {};

TEST_P(BrowserResize, FollowsTheWindowInTwips)
{
    const ResizeRow& row = GetParam();
    EXPECT_EQ(browserSizeAfterResize(row.browser, row.window), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BrowserResize,
    testing::Values(ResizeRow{"Enlarged", {9615, 7935}, {15000, 10000}, {14850, 9600}},
                    ResizeRow{"Initial", {9615, 7935}, {13380, 8985}, {13230, 8585}},
                    ResizeRow{"DownToTheMargins", {9615, 7935}, {150, 400}, {0, 0}},
                    ResizeRow{"TooNarrowChangesNothing", {9615, 7935}, {149, 10000}, {9615, 7935}},
                    ResizeRow{"TooLowKeepsTheHeight", {9615, 7935}, {15000, 399}, {14850, 7935}}),
    [](const testing::TestParamInfo<ResizeRow>& info) { return std::string(info.param.name); });

TEST(ResultOut, IsAResizableTopLevelWindowWithItsCaptionAndClientArea)
{
    Result_Out window;
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_EQ(window.size(), QSize(892, 599));
    EXPECT_NE(window.minimumSize(), window.maximumSize());
    auto* browser = child<ReportBrowser>(&window, QStringLiteral("WebBrowser1"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 641, 529));
    EXPECT_TRUE(browser->toPlainText().isEmpty());
}

TEST(ResultOut, ViewerFollowsTheWindowSize)
{
    Result_Out window;
    window.show();
    window.resize(1000, 640);
    QApplication::processEvents();
    auto* browser = child<ReportBrowser>(&window, QStringLiteral("WebBrowser1"));
    ASSERT_NE(browser, nullptr);
    // 150 twips (10 pixels) narrower and 400 twips lower than the window with its frame.
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(browser->pos(), QPoint(0, 0));
    EXPECT_EQ(browser->width(), outer.width() - 10);
    EXPECT_EQ(browser->height(), (outer.height() * 15 - 400 + 7) / 15);
}

TEST(ReportBrowser, DecodesWindows1251)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("proect.htm"));
    writeReportDocument(path, QStringLiteral("<p><p>Р = 99,875кПа."));
    ReportBrowser browser;
    browser.navigate(path);
    EXPECT_EQ(browser.toPlainText().trimmed(), withoutTags(QStringLiteral("<p>Р = 99,875кПа.")));
    EXPECT_EQ(browser.location(), path);
}

TEST(ReportBrowser, AFileThatCannotBeReadIsAnError)
{
    QTemporaryDir folder;
    ReportBrowser browser;
    EXPECT_THROW(browser.navigate(folder.filePath(QStringLiteral("missing.htm"))), ReportFileError);
}

TEST(ReportPublisher, ShowsTheReportInOneModelessWindowWithoutOwner)
{
    PublisherInTemporaryFolder fixture;
    FirstShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    fixture.publisher.PublishReport(QStringLiteral("<p><p>Р = 1кПа."));
    qApp->removeEventFilter(&watcher);

    Result_Out* window = fixture.publisher.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(openReportWindows(), 1);
    ASSERT_TRUE(watcher.shown);
    EXPECT_EQ(watcher.textWhenShown, withoutTags(QStringLiteral("<p>Р = 1кПа."))) << "loaded before shown";
}

TEST(ReportPublisher, ReloadsTheOpenWindowInPlace)
{
    PublisherInTemporaryFolder fixture;
    fixture.publisher.PublishReport(QStringLiteral("<p><p>Р = 1кПа."));
    const QPointer<Result_Out> first = fixture.publisher.window();
    fixture.publisher.PublishReport(QStringLiteral("<p><p>Р = 2кПа."));
    EXPECT_EQ(fixture.publisher.window(), first.data());
    EXPECT_EQ(openReportWindows(), 1);
    EXPECT_EQ(shownText(first), withoutTags(QStringLiteral("<p>Р = 2кПа.")));
}

TEST(ReportPublisher, OpensANewWindowAfterTheUserClosedTheLastOne)
{
    PublisherInTemporaryFolder fixture;
    fixture.publisher.PublishReport(QStringLiteral("a"));
    const QPointer<Result_Out> first = fixture.publisher.window();
    first->close();
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(fixture.publisher.window(), nullptr);
    fixture.publisher.PublishReport(QStringLiteral("b"));
    ASSERT_NE(fixture.publisher.window(), nullptr);
    EXPECT_EQ(shownText(fixture.publisher.window()), QStringLiteral("b"));
    EXPECT_EQ(openReportWindows(), 1);
}

TEST(ReportPublisher, WritesTheDocumentBeforeShowingIt)
{
    PublisherInTemporaryFolder fixture;
    fixture.publisher.PublishReport(QStringLiteral("x"));
    QFile file(fixture.publisher.documentPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), reportDocument(QStringLiteral("x")));
}

TEST(ReportPublisher, AFailedWriteOpensNoWindow)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("plain-file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    ReportPublisher publisher;
    publisher.setDocumentPath(blocker.fileName() + QStringLiteral("/proect.htm"));
    EXPECT_THROW(publisher.PublishReport(QStringLiteral("x")), ReportFileError);
    EXPECT_EQ(publisher.window(), nullptr);
    EXPECT_EQ(openReportWindows(), 0);
}

TEST(ReportPublisher, WritesBesideTheProgramByDefault)
{
    ReportPublisher publisher;
    EXPECT_EQ(publisher.documentPath(), AppFolderPath(QStringLiteral("proect.htm")));
}
