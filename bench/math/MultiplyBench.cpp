// multiply for every pair of kind tags, against the same values tagged General (the full
// product). The tagged short cuts must never be slower than the general product.
#include "math/Matrix4.h"

#include "tests/math/MatrixTestSupport.h"

#include <array>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using trovane::Matrix4;
using trovane::MatrixKind;

constexpr int kRepetitions = 9;
constexpr std::size_t kPairs = 64; // cycled through so that no operand is a constant

struct Operands {
    std::vector<Matrix4> a;
    std::vector<Matrix4> b;
};

Operands makeOperands(MatrixKind kindA, MatrixKind kindB, bool asGeneral) {
    std::mt19937 rng(17);
    Operands ops;
    for (std::size_t i = 0; i < kPairs; ++i) {
        const Matrix4 a = trovane::test::randomMatrix(kindA, rng);
        const Matrix4 b = trovane::test::randomMatrix(kindB, rng);
        ops.a.push_back(asGeneral ? trovane::test::asGeneral(a) : a);
        ops.b.push_back(asGeneral ? trovane::test::asGeneral(b) : b);
    }
    return ops;
}

void multiplyPairs(benchmark::State& state, MatrixKind kindA, MatrixKind kindB, bool asGeneral) {
    const Operands ops = makeOperands(kindA, kindB, asGeneral);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kPairs; ++i) {
            Matrix4 product = trovane::multiply(ops.a[i], ops.b[i]);
            benchmark::DoNotOptimize(product);
        }
    }
    // Time of one multiply, beside the time of one iteration (kPairs multiplies).
    state.counters["per_multiply"] = benchmark::Counter(
        kPairs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void registerAll() {
    for (MatrixKind a : trovane::test::kAllKinds) {
        for (MatrixKind b : trovane::test::kAllKinds) {
            const std::string pair =
                std::string(trovane::test::kindName(a)) + "x" + trovane::test::kindName(b);
            for (bool general : {false, true}) {
                const std::string name = "multiply/" + pair + (general ? "/general" : "/tagged");
                benchmark::RegisterBenchmark(name.c_str(), multiplyPairs, a, b, general)
                    ->Repetitions(kRepetitions)
                    ->ReportAggregatesOnly(true);
            }
        }
    }
}

} // namespace

// Repetitions of the tagged and general runs are interleaved at random by default, so that a
// busy machine slows both alike.
int main(int argc, char** argv) {
    registerAll();
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
