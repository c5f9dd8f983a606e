// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The screenshot program of the documentation still drives the real windows
// to the end: every picture is written, at the windows' fixed sizes, and the
// games it plays end as intended.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCaptures : public QObject {
    Q_OBJECT

private slots:
    void lesCapturesSontEcrites() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QProcess captures;
        captures.setProcessChannelMode(QProcess::MergedChannels);
        captures.start(QUARTELO4_PROGRAMME_CAPTURES, {dossier.path()});
        QVERIFY(captures.waitForFinished(60000));
        QVERIFY2(captures.exitCode() == 0, captures.readAll().constData());

        QCOMPARE(QImage(dossier.filePath("fenetre-debut.png")).size(), QSize(250, 210));
        for (const char* nom : {"partie-en-cours.png", "partie-gagnee.png", "partie-nulle.png"})
            QCOMPARE(QImage(dossier.filePath(nom)).size(), QSize(880, 720));
        const QImage message(dossier.filePath("message-fin.png"));
        QVERIFY(!message.isNull());

        // The won game and the drawn one are different games, and neither is
        // the game in progress.
        const QImage enCours(dossier.filePath("partie-en-cours.png"));
        const QImage gagnee(dossier.filePath("partie-gagnee.png"));
        const QImage nulle(dossier.filePath("partie-nulle.png"));
        QVERIFY(enCours != gagnee);
        QVERIFY(gagnee != nulle);
        QVERIFY(enCours != nulle);
    }
};

QTEST_MAIN(TestCaptures)
#include "test_captures.moc"
