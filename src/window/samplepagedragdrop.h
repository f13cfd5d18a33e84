#pragma once

#include <QObject>
#include <QPoint>
#include <QList>

class QMimeData;
class QWidget;
class Toolkit;

// Drag and drop between the swatch and the sample page's parts, and the page's menu (a
// right-button release, the Menu key or Shift+F10), for any number of controls: one rule for all of them. The dragged
// control is named in data private to this process, so drags from other programs are ignored.
class SamplePageDragDrop : public QObject
{
    Q_OBJECT

public:
    SamplePageDragDrop(Toolkit &toolkit, QObject *parent = nullptr);

    /// Makes the control a drag source and a drop target; with `contextMenu`, a right-button
    /// release over it is reported too.
    void attach(QWidget *control, bool contextMenu);

    /// What a drag of this control carries.
    static QMimeData *dragData(const QWidget *control);

    /// The name of the control that a drop carries, or an empty text for foreign data.
    static QString draggedName(const QMimeData *data);

signals:
    void dragStarting(QWidget *dragged);
    void dropped(QWidget *dragged, QWidget *target);
    void contextMenuRequested(QWidget *control, QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *attachedNamed(const QString &name) const;

    Toolkit &toolkit;
    QList<QWidget *> attached;
    QList<QWidget *> withContextMenu;
};
