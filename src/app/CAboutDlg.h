#pragma once

#include <QDialog>

// The about box. Its OK button, Enter and Escape close it.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
