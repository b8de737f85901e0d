#include "ui/shell/helpviewer.h"

#include "core/productinfo.h"
#include "ui/shell/productpicture.h"
#include "ui/widgets/netquillfont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

// A text browser that reads its pages from the help engine.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent) : QTextBrowser(parent), m_engine(engine) {}

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *m_engine;
};

HelpViewer::HelpViewer(const QString &helpFile, QWidget *parent) : QWidget(parent, Qt::Window), m_helpFile(helpFile)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QString::fromLatin1(netquill::kProductName) + QStringLiteral(" Help"));
    setWindowIcon(productIcon());
    setFont(netquillFont());
    resize(820, 560);

    const QString cacheFolder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cacheFolder);
    m_engine = new QHelpEngine(cacheFolder + QStringLiteral("/netquill.qhc"), this);
    m_engine->setReadOnly(false);
    m_engine->setupData();
    registerHelpFile();

    m_panes = new QTabWidget;
    m_panes->setObjectName(QStringLiteral("helpPanes"));
    m_panes->addTab(m_engine->contentWidget(), QStringLiteral("&Contents"));
    auto *indexPane = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPane);
    auto *lookForLabel = new QLabel(QStringLiteral("&Look for:"));
    m_lookFor = new QLineEdit;
    m_lookFor->setObjectName(QStringLiteral("lookFor"));
    lookForLabel->setBuddy(m_lookFor);
    indexLayout->addWidget(lookForLabel);
    indexLayout->addWidget(m_lookFor);
    indexLayout->addWidget(m_engine->indexWidget());
    m_panes->addTab(indexPane, QStringLiteral("&Index"));

    m_browser = new HelpBrowser(m_engine, this);
    m_browser->setObjectName(QStringLiteral("helpPage"));
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    m_engine->contentWidget()->setAccessibleName(QStringLiteral("Contents"));
    m_engine->indexWidget()->setAccessibleName(QStringLiteral("Index"));
    auto *splitter = new QSplitter;
    splitter->addWidget(m_panes);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 580});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, m_engine->contentWidget(),
            &QTreeView::expandAll);
    connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, m_browser,
            [this](const QUrl &page) { m_browser->setSource(page); });
    // One click opens a topic, as in every help viewer, and the entry shown as
    // current is the page's, however the page was reached.
    connect(m_engine->contentWidget(), &QTreeView::clicked, this, &HelpViewer::openClickedEntry);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::markShownPage);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { markShownPage(m_browser->source()); });
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { m_browser->setSource(document.url); });
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents) {
                if (!documents.isEmpty())
                    m_browser->setSource(documents.front().url);
            });
    connect(m_lookFor, &QLineEdit::textChanged, m_engine->indexWidget(),
            [this](const QString &text) { m_engine->indexWidget()->filterIndices(text); });
    connect(m_lookFor, &QLineEdit::returnPressed, m_engine->indexWidget(), &QHelpIndexWidget::activateCurrentItem);

    // F1 here too opens the help at its first page, as in every window of the program.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { showContents(QString::fromLatin1(kWelcomeTopic)); });

    if (!hasHelp())
        showMissingFile();
}

// Esc that no control kept for itself (an open list or menu keeps it) closes
// the help, as it closes every dialog.
void HelpViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The collection outlives the program, so it may still name this help file,
// or one elsewhere from another copy of the program: it is made to name this one.
void HelpViewer::registerHelpFile()
{
    const QString helpNamespace = QHelpEngineCore::namespaceName(m_helpFile);
    if (helpNamespace.isEmpty())
        return;
    if (m_engine->registeredDocumentations().contains(helpNamespace)) {
        if (QFileInfo(m_engine->documentationFileName(helpNamespace)) == QFileInfo(m_helpFile)) {
            m_namespace = helpNamespace;
            return;
        }
        m_engine->unregisterDocumentation(helpNamespace);
    }
    if (m_engine->registerDocumentation(m_helpFile))
        m_namespace = helpNamespace;
}

void HelpViewer::openClickedEntry(const QModelIndex &entry)
{
    if (const QHelpContentItem *item = m_engine->contentModel()->contentItemAt(entry))
        m_browser->setSource(item->url());
}

void HelpViewer::markShownPage(const QUrl &page)
{
    QHelpContentWidget *contents = m_engine->contentWidget();
    const QModelIndex entry = contents->indexOf(page);
    if (entry.isValid())
        contents->setCurrentIndex(entry);
}

void HelpViewer::showMissingFile()
{
    m_browser->setHtml(QStringLiteral("<h2>Help is not available</h2><p>The help file was not found or could not be "
                                      "read:</p><p><tt>%1</tt></p>")
                           .arg(m_helpFile.toHtmlEscaped()));
}

void HelpViewer::showContents(const QString &topic)
{
    m_panes->setCurrentIndex(0);
    if (hasHelp())
        m_browser->setSource(topicUrl(topic));
    present();
    m_browser->setFocus();
}

void HelpViewer::showIndex()
{
    m_panes->setCurrentIndex(1);
    // Used first, the index still shows a page beside it: the welcome page.
    if (hasHelp() && m_browser->source().isEmpty())
        m_browser->setSource(topicUrl(QString::fromLatin1(kWelcomeTopic)));
    present();
    m_lookFor->setFocus();
}

QUrl HelpViewer::topicUrl(const QString &topic) const
{
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(m_namespace, topic));
}

void HelpViewer::present()
{
    show();
    raise();
    activateWindow();
}

QString helpFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Help/") +
           QString::fromLatin1(netquill::kHelpFileName);
}

namespace {

HelpViewer *theHelpViewer()
{
    static QPointer<HelpViewer> viewer;
    if (!viewer) {
        viewer = new HelpViewer(helpFilePath());
        // A window without a parent: it goes when the program ends, before Qt does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, [] { delete viewer.data(); });
    }
    return viewer;
}

}  // namespace

void showHelpContents() { theHelpViewer()->showContents(QString::fromLatin1(HelpViewer::kWelcomeTopic)); }

void showHelpIndex() { theHelpViewer()->showIndex(); }
