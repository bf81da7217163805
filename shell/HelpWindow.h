// The game's own help window: the help pages (HTML in the resource) in a
// browser, with contents, a search over every page and help on the help.
// It is not modal: the game goes on while it is open. It opens inside the
// screen's free area, where it stood last time when that still fits, keeps its
// place in the settings file, and closes with Escape.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace splot {

class ProfileFile;

class HelpWindow : public QWidget {
  public:
    static constexpr const char* kSection = "Help"; // its place, in the settings file

    // A top-level window; the parent (the main window) ties its lifetime and
    // the screen it first opens on. Its place is kept in `file` when given.
    explicit HelpWindow(QWidget* parent = nullptr, ProfileFile* file = nullptr);

    // The Help menu: 0 "&Help" shows the contents, 1 "&Search" shows the
    // contents and opens the search, 2 "Help &on Help" explains the window.
    // Shows, raises and activates the window.
    void showHelp(int index);

    struct Topic {
        QString title;
        QUrl url;
    };
    // The pages that contain every word of `words` (case ignored), the best
    // matches first.
    QList<Topic> findTopics(const QString& words) const;

    // Every help page, in the order of the contents.
    const QList<Topic>& topics() const { return pages_; }

    QTextBrowser* browser() const { return browser_; }
    QWidget* searchPanel() const { return searchPanel_; }
    QLineEdit* searchField() const { return searchField_; }
    QListWidget* resultList() const { return results_; }

    static QUrl contentsUrl();
    static QUrl helpOnHelpUrl();

    // `frame` made to fit `area`: at most its size, and moved inside it.
    static QRect fitted(QRect frame, const QRect& area);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void place();
    void runSearch();
    void openResult(int row);

    struct Page {
        QString text; // the page's words, lower case
    };
    QList<Topic> pages_;
    QList<Page> texts_;
    QTextBrowser* browser_ = nullptr;
    QWidget* searchPanel_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QListWidget* results_ = nullptr;
    ProfileFile* file_ = nullptr;
    bool placed_ = false;
};

} // namespace splot
