#include "shell/help_viewer.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Topic {
    int number;
    const char* title;
};

// Every topic the program opens, with the page title a player must find there.
const std::vector<Topic> kTopics = {
    {500, "Display requirements"}, {502, "Preferences"},      {503, "Statistics"},
    {1001, "Beleaguered Castle"},  {1002, "Double Klondike"}, {1003, "Forty Thieves"},
    {1004, "FreeCell"},            {1005, "Golf"},            {1006, "Indian Patience"},
    {1007, "Klondike"},            {1008, "Montana"},         {1009, "Pyramid"},
    {1010, "Queen of Italy"},      {1011, "Sea Towers"},      {1012, "Spider"},
};

std::vector<QUrl> AllPages() {
    std::vector<QUrl> pages{HelpViewer::ContentsUrl()};
    for (const Topic& topic : kTopics) pages.push_back(HelpViewer::TopicUrl(topic.number));
    return pages;
}

// What a qrc URL names inside the program's resources.
QString ResourcePath(const QUrl& url) { return QStringLiteral(":") + url.path(); }

QString ReadPage(const QUrl& url) {
    QFile file(ResourcePath(url));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The links of a page as the browser sees them, resolved against the page.
std::vector<QUrl> LinksOf(const QUrl& page) {
    QTextDocument document;
    document.setHtml(ReadPage(page));
    std::vector<QUrl> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty()) links.push_back(page.resolved(QUrl(href)));
        }
    }
    return links;
}

QString DocumentTitle(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.metaInformation(QTextDocument::DocumentTitle);
}

QWidget* ViewerWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("HelpViewer")) return widget;
    return nullptr;
}

int ViewerWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("HelpViewer")) ++count;
    return count;
}

QTextBrowser* Browser() {
    QWidget* window = ViewerWindow();
    return window ? window->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser")) : nullptr;
}

QPushButton* Button(const char* name) {
    QWidget* window = ViewerWindow();
    return window ? window->findChild<QPushButton*>(QString::fromLatin1(name)) : nullptr;
}

}  // namespace

TEST(HelpPages, EveryTopicHasItsOwnTitledPage) {
    for (const Topic& topic : kTopics) {
        SCOPED_TRACE(topic.number);
        ASSERT_TRUE(HelpViewer::HasTopic(topic.number));
        const QUrl url = HelpViewer::TopicUrl(topic.number);
        EXPECT_NE(url, HelpViewer::ContentsUrl());
        const QString html = ReadPage(url);
        ASSERT_FALSE(html.isEmpty());
        EXPECT_EQ(DocumentTitle(html), QString::fromLatin1(topic.title));
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>%1</h1>").arg(QString::fromLatin1(topic.title))));
    }
    EXPECT_FALSE(ReadPage(HelpViewer::ContentsUrl()).isEmpty());
}

TEST(HelpPages, UnknownTopicsFallBackToTheContents) {
    for (int topic : {0, -1, 1, 501, 999, 1000, 1013, 9999}) {
        SCOPED_TRACE(topic);
        EXPECT_FALSE(HelpViewer::HasTopic(topic));
        EXPECT_EQ(HelpViewer::TopicUrl(topic), HelpViewer::ContentsUrl());
    }
}

TEST(HelpPages, EveryLinkLeadsToAnExistingPage) {
    for (const QUrl& page : AllPages()) {
        SCOPED_TRACE(page.toString().toStdString());
        const std::vector<QUrl> links = LinksOf(page);
        EXPECT_FALSE(links.empty()) << "a page with no way onward";
        for (const QUrl& link : links) {
            SCOPED_TRACE(link.toString().toStdString());
            EXPECT_EQ(link.scheme(), QLatin1String("qrc"));
            EXPECT_TRUE(link.fragment().isEmpty());
            EXPECT_TRUE(QFile::exists(ResourcePath(link)));
        }
    }
}

TEST(HelpPages, TheContentsLinkToEveryPage) {
    QSet<QUrl> linked;
    for (const QUrl& link : LinksOf(HelpViewer::ContentsUrl())) linked.insert(link);
    for (const Topic& topic : kTopics) {
        SCOPED_TRACE(topic.number);
        EXPECT_TRUE(linked.contains(HelpViewer::TopicUrl(topic.number)));
    }
}

class HelpViewerWindow : public ::testing::Test {
protected:
    void TearDown() override {
        if (QWidget* window = ViewerWindow()) window->close();
    }
};

TEST_F(HelpViewerWindow, ShowTopicOpensTheRulesPageInOneReusedWindow) {
    HelpViewer::ShowTopic(1007);
    QTextBrowser* browser = Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(ViewerWindow()->isVisible());
    EXPECT_EQ(ViewerWindow()->windowTitle(), QStringLiteral("Tablewise! Help"));
    EXPECT_EQ(browser->source(), HelpViewer::TopicUrl(1007));
    EXPECT_EQ(browser->documentTitle(), QStringLiteral("Klondike"));

    // A second request, even after the player closed the window, reuses it.
    ViewerWindow()->close();
    HelpViewer::ShowTopic(1005);
    EXPECT_EQ(ViewerWindowCount(), 1);
    EXPECT_TRUE(ViewerWindow()->isVisible());
    EXPECT_EQ(Browser()->documentTitle(), QStringLiteral("Golf"));
}

TEST_F(HelpViewerWindow, UnknownTopicShowsTheContents) {
    HelpViewer::ShowTopic(1009);
    HelpViewer::ShowTopic(4711);
    ASSERT_NE(Browser(), nullptr);
    EXPECT_EQ(Browser()->source(), HelpViewer::ContentsUrl());
    EXPECT_EQ(Browser()->documentTitle(), QStringLiteral("Tablewise! Help"));
}

TEST_F(HelpViewerWindow, BackForwardAndContentsButtonsNavigate) {
    HelpViewer::ShowContents();
    HelpViewer::ShowTopic(1012);
    QPushButton* back = Button("BackButton");
    QPushButton* forward = Button("ForwardButton");
    QPushButton* contents = Button("ContentsButton");
    ASSERT_TRUE(back && forward && contents);

    ASSERT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(Browser()->source(), HelpViewer::ContentsUrl());
    ASSERT_TRUE(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(Browser()->source(), HelpViewer::TopicUrl(1012));
    EXPECT_FALSE(forward->isEnabled());

    QTest::mouseClick(contents, Qt::LeftButton);
    EXPECT_EQ(Browser()->source(), HelpViewer::ContentsUrl());
}

TEST_F(HelpViewerWindow, FollowingALinkOpensThePageItNames) {
    HelpViewer::ShowContents();
    QTextBrowser* browser = Browser();
    ASSERT_NE(browser, nullptr);
    // The first link of the contents is the first game, reached from the keyboard.
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_EQ(browser->source(), HelpViewer::TopicUrl(1001));
    EXPECT_EQ(browser->documentTitle(), QStringLiteral("Beleaguered Castle"));
}

TEST_F(HelpViewerWindow, EveryPageFitsTheWindowWidth) {
    HelpViewer::ShowContents();
    QTextBrowser* browser = Browser();
    ASSERT_NE(browser, nullptr);
    for (const QUrl& page : AllPages()) {
        SCOPED_TRACE(page.toString().toStdString());
        browser->setSource(page);
        QApplication::processEvents();
        EXPECT_EQ(browser->horizontalScrollBar()->maximum(), 0) << "the page is wider than the window";
    }
}
