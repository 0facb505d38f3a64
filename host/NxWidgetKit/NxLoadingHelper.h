#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QPainter;
class QRect;

// A busy spinner that paints into any rectangle it is given, for views that
// draw their own cells. It asks for repaints with sigUpdate while it runs and
// stops by itself once the interval has passed, so a spinner whose answer
// never comes does not spin forever.
class NxLoadingHelper : public QObject
{
    Q_OBJECT

public:
    explicit NxLoadingHelper(QObject* parent = nullptr);

    // How long a start() runs at most, in milliseconds; 0 runs until stop().
    void setInterval(int milliseconds);
    void start();
    void stop();
    // "isRuning" is the host kit's own spelling; callers depend on it.
    bool isRuning() const;

    void draw(QPainter& painter, const QRect& rect) const;

signals:
    void sigUpdate();
    void sigStopped();

private:
    void advance();

    QTimer m_frameTimer;
    QElapsedTimer m_running;
    int m_interval = 0;
    int m_angle = 0;
};
