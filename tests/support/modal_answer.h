// Answering a modal dialog from inside its own event loop, as a user would.
#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Runs `answer` on the first modal dialog of type T that comes up, from inside that dialog's own
// event loop, as a user would answer it.
template<typename T>
void whenShown(std::function<void(T*)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}
