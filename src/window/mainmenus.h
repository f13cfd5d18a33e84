// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <memory>

class AboutWindow;
class QMainWindow;
class QMenu;
class Toolkit;

// The main window's menu bar: "&File" with "E&xit", "&?" with "&Info" and "&About" (F1), and
// the About window they open, one for the life of the program, which closes with the main window.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    MainMenus(Toolkit &toolkit, QMainWindow *window);
    ~MainMenus() override;

    /// A menu of the bar, by its object name ("mnuFile"), for commands added to it.
    QMenu *menu(const char *name) const;
    AboutWindow *aboutWindow() const { return about.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showInfo();
    void showAbout();

    Toolkit &toolkit;
    QMainWindow *window;
    std::unique_ptr<AboutWindow> about;
};
