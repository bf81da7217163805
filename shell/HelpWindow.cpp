// The help window: the help pages with contents, search and help on help.
#include "shell/HelpWindow.h"

#include "platform/ProfileFile.h"
#include "shell/Language.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace splot {

namespace {

// The help pages in the order of the contents.
const char* const kPageFiles[] = {
    "index.html", "rules.html",   "playing.html",  "levels.html",   "grease.html",     "nozzle.html",
    "hints.html", "options.html", "painters.html", "settings.html", "helponhelp.html", "screenreader.html",
};

// A help page in the resource, in the language the program speaks
// ("help/de/rules.html"), or in English ("help/rules.html") where that language has none.
QString helpPage(const QString& file)
{
    const QString language = currentLanguage();
    const QString translated = QStringLiteral("help/") + language + QLatin1Char('/') + file;
    if (language != QLatin1String("en") && QFile::exists(QStringLiteral(":/") + translated))
        return translated;
    return QStringLiteral("help/") + file;
}

QUrl pageUrl(const QString& file)
{
    return QUrl(QStringLiteral("qrc:/") + helpPage(file));
}

QStringList wordsOf(const QString& text)
{
    // Letters of every script are word letters ("Düse", "клякса", "油汚れ").
    static const QRegularExpression separators(QStringLiteral("[^\\w'.-]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QStringList words = text.toLower().split(separators, Qt::SkipEmptyParts);
    for (QString& w : words) {
        // Marks at the ends of a word are not part of it ("grease." is "grease").
        auto isMark = [](QChar c) { return c == u'\'' || c == u'-' || c == u'.'; };
        while (!w.isEmpty() && isMark(w.front()))
            w.remove(0, 1);
        while (!w.isEmpty() && isMark(w.back()))
            w.chop(1);
    }
    words.removeAll(QString());
    return words;
}

} // namespace

QUrl HelpWindow::contentsUrl()
{
    return pageUrl(QStringLiteral("index.html"));
}

QUrl HelpWindow::helpOnHelpUrl()
{
    return pageUrl(QStringLiteral("helponhelp.html"));
}

HelpWindow::HelpWindow(QWidget* parent, ProfileFile* file) : QWidget(parent, Qt::Window), file_(file)
{
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Splotchery Help"));

    // Every page once: its title and its words, for the search.
    for (const char* file : kPageFiles) {
        QFile f(QStringLiteral(":/") + helpPage(QLatin1String(file)));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(f.readAll()));
        QString title = doc.metaInformation(QTextDocument::DocumentTitle);
        if (title.isEmpty())
            title = QLatin1String(file);
        pages_.append({title, pageUrl(QLatin1String(file))});
        texts_.append({(title + QLatin1Char(' ') + doc.toPlainText()).toLower()});
    }

    // The buttons along the top.
    auto* contents = new QPushButton(QCoreApplication::translate("HelpWindow", "&Contents"), this);
    auto* back = new QPushButton(QCoreApplication::translate("HelpWindow", "&Back"), this);
    auto* forward = new QPushButton(QCoreApplication::translate("HelpWindow", "&Forward"), this);
    auto* search = new QPushButton(QCoreApplication::translate("HelpWindow", "&Search"), this);
    auto* helpOnHelp = new QPushButton(QCoreApplication::translate("HelpWindow", "Help &on Help"), this);
    auto* close = new QPushButton(QCoreApplication::translate("HelpWindow", "C&lose"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {contents, back, forward, search, helpOnHelp})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);

    // The search panel at the left: the words, then the topics that hold them.
    searchPanel_ = new QWidget(this);
    auto* searchLayout = new QVBoxLayout(searchPanel_);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    auto* prompt =
        new QLabel(QCoreApplication::translate("HelpWindow", "&Type the words to look for:"), searchPanel_);
    searchField_ = new QLineEdit(searchPanel_);
    searchField_->setPlaceholderText(QCoreApplication::translate("HelpWindow", "for example: grease"));
    searchField_->setClearButtonEnabled(true);
    prompt->setBuddy(searchField_);
    auto* found = new QLabel(QCoreApplication::translate("HelpWindow", "Topics &found:"), searchPanel_);
    results_ = new QListWidget(searchPanel_);
    found->setBuddy(results_);
    auto* show = new QPushButton(QCoreApplication::translate("HelpWindow", "&Display"), searchPanel_);
    searchLayout->addWidget(prompt);
    searchLayout->addWidget(searchField_);
    searchLayout->addWidget(found);
    searchLayout->addWidget(results_, 1);
    searchLayout->addWidget(show);
    searchPanel_->hide();

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setOpenLinks(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(searchPanel_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 500});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(contentsUrl()); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(search, &QPushButton::clicked, this, [this] {
        searchPanel_->setVisible(!searchPanel_->isVisible());
        if (searchPanel_->isVisible())
            searchField_->setFocus();
    });
    connect(helpOnHelp, &QPushButton::clicked, this, [this] { browser_->setSource(helpOnHelpUrl()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    connect(searchField_, &QLineEdit::textChanged, this, [this] { runSearch(); });
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        if (results_->count() > 0)
            openResult(results_->currentRow() < 0 ? 0 : results_->currentRow());
    });
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openResult(results_->row(item)); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openResult(results_->row(item)); });
    connect(show, &QPushButton::clicked, this, [this] {
        if (results_->count() > 0)
            openResult(results_->currentRow() < 0 ? 0 : results_->currentRow());
    });

    browser_->setSource(contentsUrl());
}

void HelpWindow::showHelp(int index)
{
    if (index == 2) {
        browser_->setSource(helpOnHelpUrl());
    } else {
        browser_->setSource(contentsUrl());
        searchPanel_->setVisible(index == 1);
    }
    if (!isVisible())
        place();
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (index == 1) {
        searchField_->setFocus();
        searchField_->selectAll();
    }
}

QRect HelpWindow::fitted(QRect frame, const QRect& area)
{
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.left() + area.width() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.top() + area.height() - frame.height()));
    return frame;
}

void HelpWindow::place()
{
    // The frame's size beyond the window's: its own once shown, else the owner's.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QWidget* framed = placed_ || !owner ? this : owner;
    const QSize frame = framed->frameGeometry().size() - framed->size();
    // Where it stood (last time, or before it was hidden), when that still
    // lies inside a screen's free area.
    QRect kept;
    if (placed_)
        kept = QRect(pos(), size() + frame);
    else if (file_ && file_->getInt(kSection, "Width", 0) > 0)
        kept =
            QRect(QPoint(file_->getInt(kSection, "Left", 0), file_->getInt(kSection, "Top", 0)),
                  QSize(file_->getInt(kSection, "Width", 0), file_->getInt(kSection, "Height", 0)) + frame);
    const QScreen* keptOn = kept.isEmpty() ? nullptr : QGuiApplication::screenAt(kept.center());
    if (!keptOn || !keptOn->availableGeometry().contains(kept)) {
        // Else beside the game, on its screen, and never larger than that screen's free area.
        const QScreen* on = owner ? owner->screen() : screen();
        const QRect area = on->availableGeometry();
        kept = QRect(QPoint(), QSize(720, 520) + frame);
        kept.moveCenter(owner ? owner->frameGeometry().center() : area.center());
        kept = fitted(kept, area);
    }
    move(kept.topLeft());
    resize(kept.size() - frame);
    placed_ = true;
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (file_ && !event->spontaneous())
        file_->writeStrings(kSection, {{"Left", " " + std::to_string(x())},
                                       {"Top", " " + std::to_string(y())},
                                       {"Width", " " + std::to_string(width())},
                                       {"Height", " " + std::to_string(height())}});
}

QList<HelpWindow::Topic> HelpWindow::findTopics(const QString& words) const
{
    const QStringList wanted = wordsOf(words);
    if (wanted.isEmpty())
        return {};

    struct Hit {
        int page;
        int score;
    };
    QList<Hit> hits;
    for (int i = 0; i < pages_.size(); ++i) {
        const QString& text = texts_[i].text;
        const QString title = pages_[i].title.toLower();
        int score = 0;
        bool all = true;
        for (const QString& w : wanted) {
            const int n = static_cast<int>(text.count(w));
            if (n == 0) {
                all = false;
                break;
            }
            score += n + (title.contains(w) ? 20 : 0);
        }
        if (all)
            hits.append({i, score});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.score > b.score; });

    QList<Topic> topics;
    for (const Hit& h : hits)
        topics.append(pages_[h.page]);
    return topics;
}

void HelpWindow::runSearch()
{
    results_->clear();
    const QList<Topic> topics = findTopics(searchField_->text());
    for (const Topic& t : topics) {
        auto* item = new QListWidgetItem(t.title, results_);
        item->setData(Qt::UserRole, t.url);
    }
    if (results_->count() > 0)
        results_->setCurrentRow(0);
}

void HelpWindow::openResult(int row)
{
    QListWidgetItem* item = results_->item(row);
    if (!item)
        return;
    browser_->setSource(item->data(Qt::UserRole).toUrl());
    // Mark the first place where the first word stands.
    const QStringList wanted = wordsOf(searchField_->text());
    if (!wanted.isEmpty()) {
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(wanted.front());
    }
}

} // namespace splot
