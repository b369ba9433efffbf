#pragma once

#include "ui_Unit1.h"

#include <QWidget>

// The main window: the link goes in, the redirect page comes out.
class TForm1 : public QWidget, public Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    void FormCreate(QObject *Sender);
    // Rebuilds the whole result from the template and the link, after every change of
    // the link, while the PHP page type is chosen.
    void Edit2Change(QObject *Sender);
};

// The one main window, from the moment it is allocated until it is destroyed.
extern TForm1 *Form1;
