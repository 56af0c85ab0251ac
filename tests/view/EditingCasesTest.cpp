// The editing cases every front end runs, on the Qt editor form.
#include <QTest>

#include "EditingRunner.h"
#include "QtEditingDriver.h"

using namespace korvale::testing;

class EditingCasesTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryCase_data();
  void EveryCase();
};

void EditingCasesTest::EveryCase_data() {
  QTest::addColumn<int>("index");
  const auto& cases = EditingCases();
  for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
    QTest::newRow(cases[static_cast<std::size_t>(i)].name.c_str()) << i;
  }
}

void EditingCasesTest::EveryCase() {
  QFETCH(int, index);
  QtEditingDriver driver;
  QVERIFY(driver.Active());
  const std::vector<std::string> faults =
      RunEditingCase(EditingCases()[static_cast<std::size_t>(index)], driver);
  std::string report;
  for (const std::string& fault : faults) report += "\n" + fault;
  QVERIFY2(faults.empty(), report.c_str());
}

QTEST_MAIN(EditingCasesTest)
#include "EditingCasesTest.moc"
