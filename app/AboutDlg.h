#pragma once
// The about box: the program's name and version and what it computes. Closes
// with "OK", Enter, Escape or its close box, all to the same effect.

#include <QDialog>

class QLabel;
class QPushButton;

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* m_labelVersion = nullptr;
    QLabel* m_labelPurpose = nullptr;
    QLabel* m_labelMethod = nullptr;
    QPushButton* m_buttonOk = nullptr;
};
