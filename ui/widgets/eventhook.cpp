#include "ui/widgets/eventhook.h"

EventHook::EventHook(QObject *watched, std::function<bool(QEvent *)> handle)
    : QObject(watched), m_handle(std::move(handle))
{
    watched->installEventFilter(this);
}

bool EventHook::eventFilter(QObject *watched, QEvent *event)
{
    return m_handle(event) || QObject::eventFilter(watched, event);
}
