#include "QtFormPage.h"

#include <QComboBox>
#include <QLineEdit>

QtFormPage::QtFormPage(const korvale::res::DialogTemplate& page, QWidget* parent)
    : QWidget(parent), controls_(this, korvale::res::BuildDialog(page, this)) {}

QLineEdit* QtFormPage::Edit(int id) const { return controls_.Map().Get<QLineEdit>(id); }
QComboBox* QtFormPage::List(int id) const { return controls_.Map().Get<QComboBox>(id); }
