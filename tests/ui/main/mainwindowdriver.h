#pragma once

// Drives the real main window the way a user does, finding controls by name.
#include "ui/main/frmnetquill.h"
#include "ui/shell/helpviewer.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

class MainWindowDriver
{
public:
    MainWindowDriver() : m_window(std::make_unique<frmNetquill>())
    {
        QApplication::clipboard()->clear();
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("the main window never became active");
    }

    frmNetquill *window() const { return m_window.get(); }

    template <typename Widget>
    Widget *control(const QString &name) const
    {
        auto *widget = m_window->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(name); }
    QComboBox *list(const QString &name) const { return control<QComboBox>(name); }
    // What the named fields, lists and labels show.
    QStringList shown(const QStringList &names) const
    {
        QStringList texts;
        for (const QString &name : names) {
            const auto *pickList = qobject_cast<QComboBox *>(control<QWidget>(name));
            texts << (pickList ? pickList->currentText() : control<QWidget>(name)->property("text").toString());
        }
        return texts;
    }

    static QWidget *focus() { return QApplication::focusWidget(); }
    // What netquill-cli writes on its standard output for the arguments.
    static QString cli(const QStringList &arguments)
    {
        QProcess process;
        process.start(QString::fromUtf8(NETQUILL_CLI), arguments);
        if (!process.waitForFinished())
            qFatal("netquill-cli did not finish");
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QString clipboardText() { return QApplication::clipboard()->text(); }
    // The help window, from wherever it was opened.
    static HelpViewer *shownHelp()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *viewer = qobject_cast<HelpViewer *>(window); viewer && viewer->isVisible())
                return viewer;
        return nullptr;
    }

    // Opens the help's index and types the keys into its "Look for:" field
    // through the window system, as a user would; returns what the field holds.
    static QString typeIntoHelpIndex(const QString &keys)
    {
        showHelpIndex();
        HelpViewer *help = shownHelp();
        auto *lookFor = help->findChild<QLineEdit *>("lookFor");
        lookFor->clear();
        for (const QChar key : keys)
            QTest::keyClick(help->windowHandle(), key.toLatin1());
        return lookFor->text();
    }

    void showTab(int index) const
    {
        auto *tabs = control<QTabWidget>("SSTab1");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
    }
    static void clickInto(QWidget *target) { QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5)); }
    void click(const QString &button) const { QTest::mouseClick(control<QWidget>(button), Qt::LeftButton); }

    // Every key goes to whichever control has the focus at that moment.
    static void typeAtFocus(const QString &keys)
    {
        for (const QChar key : keys)
            QTest::keyClicks(focus(), QString(key));
    }
    // Types an address into a tab's first octet field, moving on with ".".
    void typeAddress(const QString &firstOctetField, const QString &address) const
    {
        clickInto(field(firstOctetField));
        typeAtFocus(address);
    }

    // Opens the list with F4, walks to the entry with the arrow keys and takes it with Enter.
    void pick(const QString &listName, const QString &entry) const
    {
        QComboBox *target = list(listName);
        const int index = target->findText(entry, Qt::MatchExactly);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key_F4);
        QAbstractItemView *view = target->view();
        if (index < 0 || !QTest::qWaitForWindowExposed(view->window()))
            qFatal("%s did not open at %s", qPrintable(listName), qPrintable(entry));
        QTest::keyClick(view, Qt::Key_Home);
        for (int step = 0; step < index; ++step)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    }

private:
    std::unique_ptr<frmNetquill> m_window;
};
