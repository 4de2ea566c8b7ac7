#pragma once
// The about box.

#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);
};
