#pragma once

#include <QWidget>

// The About window: a picture and one paragraph on white, fixed in size. It has no logic.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
};
