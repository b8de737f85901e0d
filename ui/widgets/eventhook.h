#pragma once

#include <QObject>

#include <functional>

class QEvent;

// One job over the events of one object: `handle` sees each event first and
// returns true for those it takes; every other goes on as if no one had looked.
// The hook lives as long as the object it watches.
class EventHook : public QObject
{
public:
    EventHook(QObject *watched, std::function<bool(QEvent *)> handle);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(QEvent *)> m_handle;
};
