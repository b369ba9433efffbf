#pragma once

#include "Templates.h"
#include "ui_Unit1.h"

#include <optional>

#include <QWidget>

// The main window: the link goes in, the redirect page comes out.
class TForm1 : public QWidget, public Ui::TForm1
{
    Q_OBJECT

public:
    // Stores itself in `reference` before it builds its controls.
    explicit TForm1(TForm1 *&reference);
    ~TForm1() override;

    void FormCreate(QObject *Sender);
    void BitBtn1Click(QObject *Sender);
    // Rebuilds the whole result from the chosen page type's template and the link, after
    // every change of the link and whenever a page type is chosen.
    void Edit2Change(QObject *Sender);
    void Label2Click(QObject *Sender);
    void Label1Click(QObject *Sender);
    // Puts the clipboard's text in place of the link: one change, so one new page.
    void BitBtn2Click(QObject *Sender);
    // Saves the result area's text as a file the user chooses.
    void BitBtn3Click(QObject *Sender);

private:
    std::optional<brevasto::PageType> CheckedPageType() const;

    TForm1 *&m_reference;
    QString m_saveFolder; // where the last page was saved, offered for the next one
};

// The one main window, from the moment it is allocated until it is destroyed.
extern TForm1 *Form1;
