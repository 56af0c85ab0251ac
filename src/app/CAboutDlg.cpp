#include "CAboutDlg.h"

#include <QPushButton>

#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace res = korvale::res;

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  const res::ControlMap controls = res::BuildDialog(res::AboutBoxTemplate(), this);
  setFixedSize(size());
  connect(controls.Get<QPushButton>(res::kIdOk), &QPushButton::clicked, this, &QDialog::accept);
}
