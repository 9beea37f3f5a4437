#pragma once

#include <QWidget>

// The program's main window.
class AnaForm : public QWidget
{
    Q_OBJECT

public:
    explicit AnaForm(QWidget* parent = nullptr);

    // Fills the window and makes it visible.
    void Yükle();
};
