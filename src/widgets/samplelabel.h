// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A text of the sample page: reached by Tab so that keyboard users can colour it, and then
// framed to show the focus.
class SampleLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SampleLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
