#include "shell/help_viewer.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr auto kCaption = "Tablewise! Help";
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 520;
// Room between the text and the browser's frame, so the pages do not look cramped.
constexpr int kPageMargin = 12;

// The pages are compiled in under this resource folder, one file per topic.
const QString kPageFolder = QStringLiteral(":/help/");
const QString kContentsPage = QStringLiteral("contents.html");

QString TopicFileName(int topic) { return QString::number(topic) + QStringLiteral(".html"); }

QUrl PageUrl(const QString& fileName) { return QUrl(QStringLiteral("qrc") + kPageFolder + fileName); }

// Guarded, not owning: the window deletes itself when the application quits,
// and a window closed by the player is only hidden, so it keeps its history.
QPointer<HelpViewer>& TheViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

}  // namespace

void HelpViewer::ShowContents() { Instance().Present(ContentsUrl()); }

void HelpViewer::ShowTopic(int topic) { Instance().Present(TopicUrl(topic)); }

QUrl HelpViewer::TopicUrl(int topic) {
    return HasTopic(topic) ? PageUrl(TopicFileName(topic)) : ContentsUrl();
}

bool HelpViewer::HasTopic(int topic) { return topic > 0 && QFile::exists(kPageFolder + TopicFileName(topic)); }

QUrl HelpViewer::ContentsUrl() { return PageUrl(kContentsPage); }

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // Help open beside the launcher must not keep the program running once
    // the launcher has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    back_ = new QPushButton(tr("&Back"), this);
    back_->setObjectName(QStringLiteral("BackButton"));
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = new QPushButton(tr("&Forward"), this);
    forward_->setObjectName(QStringLiteral("ForwardButton"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    auto* contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDocumentMargin(kPageMargin);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(ContentsUrl()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);

    resize(kWindowWidth, kWindowHeight);
}

HelpViewer& HelpViewer::Instance() {
    QPointer<HelpViewer>& viewer = TheViewer();
    if (viewer.isNull()) {
        viewer = new HelpViewer;  // parentless top-level window, released at quit below
        // Deleted while the application still runs, never by a static
        // destructor after the application object has gone.
        connect(qApp, &QCoreApplication::aboutToQuit, viewer.data(), [window = viewer.data()] { delete window; });
    }
    return *viewer;
}

void HelpViewer::Present(const QUrl& page) {
    if (browser_->source() != page) browser_->setSource(page);
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}
