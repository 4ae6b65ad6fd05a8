// The encrypted envelope, apart from any database:
//  - KeyDerivation: one Argon2id derivation at the limits calibrated on this computer, as
//    opening an encrypted file (and each password slot written) costs once. Budget: 1 s, the
//    whole open of an encrypted file (median); the calibration aims at 0.5 s of processor time.
//  - SealEnvelope/N: encrypting an N MB payload under an unlocked file key, as every save
//    does, streamed piece by piece to a writer (here one that only counts); no derivation.
//    Budgets: 10 ms at 1 MB, 60 ms at 10 MB, 300 ms at 50 MB.
//  - SealEnvelopeInMemory/N: the same into one new buffer of the whole file, whose fresh
//    pages the system must supply as well. Reported.
//  - OpenEnvelope/N: reading it back (its derivation at libsodium's least, so the time is the
//    decryption's). Reported beside the sealing.
#include <QByteArray>

#include <benchmark/benchmark.h>

#include "crypt/envelope_seam.h"
#include "crypt/envelope_session.h"
#include "crypt/key_derivation.h"

namespace {

const QString Password = QStringLiteral("a bench password");

const KeyDerivationLimits &calibrated()
{
    static const KeyDerivationLimits limits = calibrateKeyDerivation();
    return limits;
}

void KeyDerivation(benchmark::State &state)
{
    const KeyDerivationLimits &limits = calibrated();
    const SecureBytes secret = SecureBytes::fromPassword(Password);
    const unsigned char salt[KeyDerivationSaltBytes] = {1, 2, 3};
    for (auto _ : state)
        benchmark::DoNotOptimize(deriveKey(secret, salt, limits).data());
    state.counters["opslimit"] = limits.opslimit;
    state.counters["memlimit_MiB"] = double(limits.memlimit) / double(1 << 20);
}
BENCHMARK(KeyDerivation)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

QByteArray payloadOfMegabytes(int megabytes)
{
    QByteArray payload(qsizetype(megabytes) * 1000 * 1000, Qt::Uninitialized);
    for (qsizetype i = 0; i < payload.size(); ++i)
        payload[i] = char((i * 2654435761u) >> 13);
    return payload;
}

CreatedEnvelope quickEnvelope(const QByteArray &payload)
{
    return createEnvelopeWith(payload, Password, {{KeyDerivationLimits::MinimumOpslimit, KeyDerivationLimits::MinimumMemlimit}, {}});
}

void SealEnvelope(benchmark::State &state)
{
    const QByteArray payload = payloadOfMegabytes(int(state.range(0)));
    const EnvelopeSession session = quickEnvelope(payload).session;
    qsizetype written = 0;
    for (auto _ : state)
        session.seal(payload, [&](QByteArrayView piece) { written += piece.size(); });
    benchmark::DoNotOptimize(written);
    state.SetBytesProcessed(state.iterations() * payload.size());
}
BENCHMARK(SealEnvelope)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

void SealEnvelopeInMemory(benchmark::State &state)
{
    const QByteArray payload = payloadOfMegabytes(int(state.range(0)));
    const EnvelopeSession session = quickEnvelope(payload).session;
    for (auto _ : state)
        benchmark::DoNotOptimize(session.seal(payload).constData());
    state.SetBytesProcessed(state.iterations() * payload.size());
}
BENCHMARK(SealEnvelopeInMemory)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenEnvelope(benchmark::State &state)
{
    const QByteArray payload = payloadOfMegabytes(int(state.range(0)));
    const QByteArray envelope = quickEnvelope(payload).envelope;
    for (auto _ : state)
        benchmark::DoNotOptimize(EnvelopeSession::open(envelope, Password).payload.constData());
    state.SetBytesProcessed(state.iterations() * payload.size());
}
BENCHMARK(OpenEnvelope)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
