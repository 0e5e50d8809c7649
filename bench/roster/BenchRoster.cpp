#include "BenchRoster.h"

#include <QFile>

bool WriteBenchRoster(const QString& path, int soldiers) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write("name,rank,ssan,sex,age,weight,height,neck1,neck2,neck3,abdomen1,abdomen2,abdomen3,"
             "hips1,hips2,hips3,forearm1,forearm2,forearm3,wrist1,wrist2,wrist3\r\n");
  for (int i = 0; i < soldiers; ++i) {
    const QString name = QStringLiteral("\"SOLDIER, NUMBER %1\",SPC,%2,").arg(i).arg(100000000 + i);
    const int step = i % 7;
    if (i % 2 == 0)
      file.write((name + QStringLiteral("Male,%1,%2,%3.25,15.%4,15.50,15.25,3%5.00,3%5.25,3%5.50,,,,,,,,,\r\n")
                             .arg(20 + step * 3).arg(160 + step * 5).arg(66 + step).arg(25 * (step % 3)).arg(3 + step))
                     .toUtf8());
    else
      file.write((name + QStringLiteral("Female,%1,%2,%3.50,12.50,12.75,12.50,,,,3%4.00,3%4.25,3%4.00,"
                                        "10.00,10.25,10.00,6.00,6.25,6.00\r\n")
                             .arg(19 + step * 3).arg(120 + step * 4).arg(61 + step).arg(5 + step % 4))
                     .toUtf8());
  }
  return file.error() == QFileDevice::NoError;
}
