#pragma once

#include <QWidget>

// A plain coloured area (the swatch, the sample page) that can be reached by Tab, and then
// shows a focus frame so the user sees where the focus is.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
