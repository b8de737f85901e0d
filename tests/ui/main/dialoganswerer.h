#pragma once

// Answers the modal dialogs that come up, one after the other, each with the
// next handler; a handler that does not know the dialog leaves it.
#include <QtTest>
#include <QtWidgets>

#include <deque>
#include <functional>

class DialogAnswerer : public QObject
{
public:
    using Handler = std::function<bool(QWidget *)>;

    explicit DialogAnswerer(std::deque<Handler> handlers) : m_handlers(std::move(handlers))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::answer);
        m_timer.start(10);
    }
    bool allAnswered() const { return m_handlers.empty(); }

    // Types the name into the save dialog, or cancels it after typing; `seen`
    // receives the name it proposed, the filter it showed and the first name filter.
    static Handler saveAs(const QString &path, QStringList *seen = nullptr, bool cancel = false)
    {
        return [=](QWidget *dialog) {
            auto *name = qobject_cast<QFileDialog *>(dialog) ? dialog->findChild<QLineEdit *>("fileNameEdit") : nullptr;
            if (!name)
                return false;
            if (seen)
                *seen = {name->text(), dialog->findChild<QComboBox *>("fileTypeCombo")->currentText(),
                         static_cast<QFileDialog *>(dialog)->nameFilters().front()};
            name->setText(path);  // in one go, as pasted: the completer would take a typed Enter
            QTimer::singleShot(0, dialog, [dialog, name, cancel] {
                QTest::keyClick(cancel ? static_cast<QWidget *>(dialog) : name,
                                cancel ? Qt::Key_Escape : Qt::Key_Return);
            });
            return true;
        };
    }

    // Takes the message box with Enter and reports its title and text.
    static Handler acceptMessage(QString *shown)
    {
        return [=](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box) {
                *shown = box->windowTitle() + ": " + box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
            return box != nullptr;
        };
    }

private:
    void answer()
    {
        // A dialog is answered once it has settled: shown for a few ticks in a row.
        QWidget *dialog = QApplication::activeModalWidget();
        m_settledTicks = dialog == m_candidate ? m_settledTicks + 1 : 0;
        m_candidate = dialog;
        if (dialog && !m_handlers.empty() && m_settledTicks == 5 && m_handlers.front()(dialog))
            m_handlers.pop_front();
    }

    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_candidate;
    int m_settledTicks = 0;
    QTimer m_timer;
};
