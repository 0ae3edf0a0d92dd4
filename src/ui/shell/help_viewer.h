#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The program's help: one window with a browser over the built-in pages, one
// page per topic number (500 display requirements, 502 preferences,
// 503 statistics, 1001 to 1012 the rules of each game) and a contents page.
// The window is made the first time help is asked for and then reused, so
// Back and Forward keep their history for the whole run.
class HelpViewer final : public QWidget {
    Q_OBJECT

public:
    // Both open the window without blocking the caller and bring it to the front.
    static void ShowContents();
    // An unknown topic shows the contents.
    static void ShowTopic(int topic);

    // The page of a topic; the contents page for an unknown topic.
    static QUrl TopicUrl(int topic);
    static bool HasTopic(int topic);
    static QUrl ContentsUrl();

private:
    HelpViewer();

    static HelpViewer& Instance();
    void Present(const QUrl& page);

    QTextBrowser* browser_ = nullptr;  // owned by this widget
    QPushButton* back_ = nullptr;      // owned by this widget
    QPushButton* forward_ = nullptr;   // owned by this widget
};
