#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class QFrame;

// The first window: the product's name for two seconds, or until the user
// types a key or clicks it; then the main window opens, exactly once.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    // openMainWindow loads and shows the main window.
    explicit frmSplash(std::function<void()> openMainWindow, QWidget *parent = nullptr);

    static constexpr int kSplashMilliseconds = 2000;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Timer1_Timer();

private:
    std::function<void()> m_openMainWindow;
    QTimer Timer1;
    QFrame *Frame1 = nullptr;
    bool m_mainWindowOpened = false;
};
