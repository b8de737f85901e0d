#pragma once

#include <QUrl>
#include <QWidget>

class HelpBrowser;
class QHelpEngine;
class QLineEdit;
class QKeyEvent;
class QModelIndex;
class QTabWidget;

// The program's own help window: contents and keyword index beside the page.
// It reads the compiled help file; the collection the help engine needs
// beside it is kept in the user's cache folder, so that however the program
// ends, nothing is left in the temporary folder.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(const QString &helpFile, QWidget *parent = nullptr);

    void showContents(const QString &topic);
    void showIndex();

    bool hasHelp() const { return !m_namespace.isEmpty(); }

    static constexpr const char *kWelcomeTopic = "Welcome.htm";

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showMissingFile();
    void registerHelpFile();
    void openClickedEntry(const QModelIndex &entry);
    void markShownPage(const QUrl &page);
    void present();
    QUrl topicUrl(const QString &topic) const;

    QString m_helpFile;
    QHelpEngine *m_engine = nullptr;
    QString m_namespace;
    QTabWidget *m_panes = nullptr;
    QLineEdit *m_lookFor = nullptr;
    HelpBrowser *m_browser = nullptr;
};

// The help file in the folder "Help" beside the program.
QString helpFilePath();

// Help > Contents and Help > Index of every window: one help window, reused.
void showHelpContents();
void showHelpIndex();
