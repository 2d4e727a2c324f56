// The sample client's one window: who it is, which build runs, and its pid.
#pragma once

#include <QWidget>

class ClientWindow : public QWidget
{
    Q_OBJECT
public:
    ClientWindow(const QString &version, const QString &build, const QString &pidFile);
};
