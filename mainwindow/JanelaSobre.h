#pragma once
// The about box.

#include <QDialog>

class JanelaSobre : public QDialog {
    Q_OBJECT

  public:
    explicit JanelaSobre(QWidget* parent = nullptr);
};
