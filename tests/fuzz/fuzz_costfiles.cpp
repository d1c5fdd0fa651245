// The pay rates and budgets readers: any bytes read without a fault; every row they keep lies
// within the files' ranges, and what they keep is written and read back as the same rows.

#include "data/Budgets.h"
#include "data/Money.h"
#include "data/PayRates.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
bool inert(const QString &name)
{
    return !(name.startsWith(u'=') || name.startsWith(u'+') || name.startsWith(u'-') || name.startsWith(u'@')
             || name.startsWith(u'\t') || name.startsWith(u'\r'));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const PayRates rates = PayRates::parse(bytes);
    bool plain = true;
    for (const PayRate &r : rates.rates()) {
        if (r.employee == 0 || r.cents < 0 || r.cents > Money::kMaxCents)
            std::abort();
        plain = plain && inert(r.position);
    }
    for (const CsvProblem &p : rates.problems())
        (void)p.text();
    if (plain && PayRates::parse(rates.toCsv()).rates() != rates.rates())
        std::abort();

    const Budgets budgets = Budgets::parse(bytes);
    plain = true;
    for (const DepartmentBudget &b : budgets.budgets()) {
        if (b.department.isEmpty() || (b.weeklyCents && (*b.weeklyCents < 0 || *b.weeklyCents > Money::kMaxCents))
            || b.multiplierHundredths < 100 || b.multiplierHundredths > Budgets::kMaxMultiplier)
            std::abort();
        plain = plain && inert(b.department);
    }
    for (const CsvProblem &p : budgets.problems())
        (void)p.text();
    if (plain && Budgets::parse(budgets.toCsv()).budgets() != budgets.budgets())
        std::abort();
    return 0;
}
