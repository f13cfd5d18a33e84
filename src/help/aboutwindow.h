#pragma once

#include <QWidget>

// The About window: a picture and one paragraph, fixed in size. It has no logic.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(const QPixmap &picture, QWidget *parent = nullptr);
};
