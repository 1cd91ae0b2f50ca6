#pragma once

#include <QString>

// Where the sample Jet file of that name (for example "announcer-jet4.mdb")
// is kept: tests/fixtures/jet/, whose README says where each came from.
QString jetSamplePath(const QString& sample);

// Copies one of the sample Jet files into folder under the name as (the
// sample's own name when empty), made writable so a test can damage or
// replace it. Returns the copy's path, or an empty text when the sample
// cannot be copied; check it with QVERIFY_JET_SAMPLE.
QString copyJetSample(const QString& sample, const QString& folder, const QString& as = {});

// What a test says when a sample it needs is not there.
QByteArray missingSampleMessage(const QString& sample);

// Fails the test, naming the sample file, when path (from copyJetSample or
// the bytes read from jetSamplePath) is empty: a clone without the samples
// gets a failed test with a reason, never an aborted run.
#define QVERIFY_JET_SAMPLE(path, sample) QVERIFY2(!(path).isEmpty(), missingSampleMessage(sample).constData())

// The bytes of a file, empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// Bytes this process has read from files so far (reading the count itself
// adds a few hundred): how much of a Jet file a read took.
qint64 bytesReadSoFar();
