#include "ViewState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

#include "CKorvaleView.h"
#include "QtFormPage.h"

namespace korvale::testing {
namespace {

QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
  return entries;
}

void CaptureControls(const QWidget* page, const QString& prefix, ViewState& state) {
  for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
    if (!edit->objectName().isEmpty()) state[prefix + edit->objectName()] = edit->text();
  }
  for (const QCheckBox* box : page->findChildren<QCheckBox*>()) {
    state[prefix + box->objectName()] = box->isChecked() ? "checked" : "unchecked";
  }
  for (const QComboBox* combo : page->findChildren<QComboBox*>()) {
    const QString key = prefix + combo->objectName();
    state[key + "#entries"] = Entries(combo).join('\n');
    state[key + "#selected"] = QString::number(combo->currentIndex());
    state[key + "#enabled"] = combo->isEnabled() ? "yes" : "no";
  }
}

}  // namespace

ViewState CaptureView(const CKorvaleView& view) {
  ViewState state;
  auto& v = const_cast<CKorvaleView&>(view);
  state["file"] = QString::fromStdString(v.File().FilePath());
  state["current"] = QString::number(v.File().CurrentRecord());
  state["view/1023"] = view.PlayerIdDisplay()->text();
  for (const QComboBox* combo : {view.PlayerList(), view.TeamChoice()}) {
    const QString key = "view/" + combo->objectName();
    state[key + "#entries"] = Entries(combo).join('\n');
    state[key + "#selected"] = QString::number(combo->currentIndex());
  }
  QStringList roster;
  QStringList selected;
  for (int i = 0; i < view.RosterList()->count(); ++i) {
    roster << view.RosterList()->item(i)->text();
    if (view.RosterList()->item(i)->isSelected()) selected << QString::number(i);
  }
  state["view/1029#entries"] = roster.join('\n');
  state["view/1029#selected"] = selected.join(' ');
  CaptureControls(view.Page(0), "PD/", state);
  CaptureControls(view.Page(1), "PD2/", state);
  CaptureControls(view.Page(2), "PR/", state);
  CaptureControls(view.Page(3), "SS/", state);
  return state;
}

QString DescribeDifferences(const ViewState& a, const ViewState& b) {
  QStringList lines;
  for (const auto& [key, value] : a) {
    const auto other = b.find(key);
    const QString theirs = other == b.end() ? QString("(none)") : other->second;
    if (theirs != value) lines << key + ": " + value + " | " + theirs;
  }
  for (const auto& [key, value] : b) {
    if (!a.contains(key)) lines << key + ": (none) | " + value;
  }
  return lines.join('\n');
}

}  // namespace korvale::testing
