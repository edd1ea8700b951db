#include "cli/calc_command.h"

#include "calculators/accelerated_payments.h"
#include "calculators/card_payoff_calculator.h"
#include "calculators/effective_rate.h"
#include "calculators/inflation_calculator.h"
#include "calculators/investment_calculator.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/mortgage_schedule.h"
#include "calculators/refinance_analysis.h"
#include "calculators/refinance_create.h"
#include "calculators/refinance_files.h"
#include "calculators/trade_info_file.h"
#include "calculators/trade_off.h"
#include "cli/cli_planner.h"
#include "editing/field_check.h"
#include "editing/number_text.h"
#include "model/file_io.h"
#include "results/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace finplan::cli {

namespace {

using Options = std::initializer_list<std::string_view>;

constexpr std::size_t kMaxTradeInfoBytes = 1 << 20;

struct OutputFile {
    std::string path;
    std::string bytes;
};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// One `calc` call: its options, its messages and its output.
class Calc {
public:
    Calc(const CliContext& context, const CliArguments& arguments)
        : m_context(context)
        , m_args(arguments) {}

    const CliArguments& args() const { return m_args; }
    const CliContext& context() const { return m_context; }

    bool given(std::string_view option) const {
        return m_args.has(option) || m_args.value(option).has_value();
    }

    std::string value(std::string_view option) const { return m_args.value(option).value_or(""); }

    ExitCode usage(const std::string& problem) const {
        m_context.err << "finplan-cli: " << problem << '\n';
        return ExitCode::Usage;
    }

    // The first option given that is not in `allowed`.
    std::optional<std::string> stray(const std::vector<std::string_view>& allowed) const {
        const auto known = [&](std::string_view option) {
            for (const std::string_view a : allowed) {
                if (a == option) {
                    return true;
                }
            }
            return false;
        };
        for (const std::string& flag : m_args.flags) {
            if (!known(flag)) {
                return flag;
            }
        }
        for (const auto& [option, text] : m_args.values) {
            if (!known(option)) {
                return option;
            }
        }
        return std::nullopt;
    }

    // The first of `options` that was given.
    std::optional<std::string_view> anyOf(Options options) const {
        for (const std::string_view option : options) {
            if (given(option)) {
                return option;
            }
        }
        return std::nullopt;
    }

    // Copies an option into a field; without it the field gets `fallback`, and an option
    // without a fallback is required.
    bool field(FieldTexts& fields, std::string_view option, std::string_view key,
               std::optional<std::string_view> fallback, std::string& missing) const {
        if (const auto text = m_args.value(option)) {
            fields[std::string(key)] = *text;
        } else if (fallback) {
            fields[std::string(key)] = std::string(*fallback);
        } else {
            missing = option;
            return false;
        }
        return true;
    }

    void check(FieldTexts& fields, std::string_view flag, std::string_view key) const {
        fields[std::string(key)] = m_args.has(flag) ? "on" : "";
    }

    // An option that is a number of its own, not a dialog field.
    std::optional<double> number(std::string_view option, double fallback) const {
        const auto text = m_args.value(option);
        return text ? parseNumberText(*text) : std::optional(fallback);
    }

    ExitCode refused(const Refusal& refusal) const {
        m_context.err << refusal.title << ": " << refusal.text << '\n';
        return ExitCode::Refused;
    }

    // Prints the lines and writes the files. An existing file is replaced only with --yes; a
    // file named "-" goes to standard output instead of the lines.
    ExitCode finish(const CalcResult& result, const std::vector<OutputFile>& files,
                    Options alsoChecked = {}) const {
        int toOutput = 0;
        for (const OutputFile& file : files) {
            toOutput += file.path == "-" ? 1 : 0;
            if (file.path != "-" && refusesOverwrite(file.path)) {
                return ExitCode::Usage;
            }
        }
        for (const std::string_view path : alsoChecked) {
            if (refusesOverwrite(std::string(path))) {
                return ExitCode::Usage;
            }
        }
        if (toOutput > 1) {
            return usage("only one file can go to standard output");
        }
        if (toOutput == 0) {
            printLines(result);
        }
        for (const OutputFile& file : files) {
            if (file.path == "-") {
                m_context.out << file.bytes;
            } else if (!writeFileReplacing(file.path, file.bytes)) {
                m_context.err << "finplan-cli: cannot write " << file.path << '\n';
                return ExitCode::WriteFailed;
            }
        }
        return ExitCode::Success;
    }

private:
    bool refusesOverwrite(const std::string& path) const {
        if (!fileExists(path) || m_context.answerYes) {
            return false;
        }
        m_context.err << "finplan-cli: " << path
                      << " was not overwritten (add --yes to replace it)\n";
        return true;
    }

    void printLines(const CalcResult& result) const {
        for (const OutputField& field : result.outputs) {
            const std::string text = trimmed(field.text);
            m_context.out << field.key << ':' << (text.empty() ? "" : " ") << text << '\n';
        }
    }

    const CliContext& m_context;
    const CliArguments& m_args;
};

// Fills fields from options: {option, key, fallback}; nullopt fallback = required.
struct FieldOption {
    std::string_view option;
    std::string_view key;
    std::optional<std::string_view> fallback;
};

ExitCode fillFields(const Calc& calc, FieldTexts& fields, std::initializer_list<FieldOption> list,
                    std::string_view kind) {
    for (const FieldOption& f : list) {
        std::string missing;
        if (!calc.field(fields, f.option, f.key, f.fallback, missing)) {
            return calc.usage("calc " + std::string(kind) + " needs " + missing);
        }
    }
    return ExitCode::Success;
}

ExitCode strayOption(const Calc& calc, std::string_view kind,
                     const std::vector<std::string_view>& allowed) {
    if (const auto option = calc.stray(allowed)) {
        return calc.usage("calc " + std::string(kind) + " does not take " + *option);
    }
    return ExitCode::Success;
}

// The scenario of --scenario and, with --event, the index of its mortgage.
struct ScenarioSource {
    Scenario scenario;
    AppSettings settings;
    int mortgage = -1;
};

ExitCode loadSource(const Calc& calc, ScenarioSource& source, bool needsMortgage) {
    CliPlanner planner(calc.context(), ".", std::nullopt);
    if (!planner->load(calc.value("--scenario"))) {
        return ExitCode::ReadFailed;
    }
    source.scenario = planner->scenario();
    source.settings = planner->settings();
    if (!needsMortgage) {
        return ExitCode::Success;
    }
    const std::string text = calc.value("--event");
    int index = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || index < 0 ||
        index >= source.scenario.usedEventCount()) {
        return calc.usage("--event takes an event number from 0 to " +
                          std::to_string(source.scenario.usedEventCount() - 1) +
                          " as info lists them");
    }
    if (!source.scenario.events[static_cast<std::size_t>(index)].is(EventType::Mortgage)) {
        return calc.usage("event " + text + " is not a mortgage");
    }
    source.mortgage = index;
    return ExitCode::Success;
}

const EventRecord& mortgageOf(const ScenarioSource& source) {
    return source.scenario.events[static_cast<std::size_t>(source.mortgage)];
}

std::string money12(float value) {
    return formatText("%-12.2f", static_cast<double>(value));
}

// --- mortgage ---------------------------------------------------------------------------------

// The mortgage the schedule is drawn for when it is given by options.
ExitCode scheduledMortgage(const Calc& calc, const FieldTexts& fields, EventRecord& m) {
    const auto start = calc.number("--start-age", 1.0);
    const auto payoff = calc.number("--payoff-age", 0.0);
    const auto sell = calc.number("--sell-age", 0.0);
    const auto appreciation = calc.number("--appreciation", 0.0);
    const auto extra = calc.number("--extra", 0.0);
    const auto mode = calc.number("--extra-mode", 0.0);
    if (!start || !payoff || !sell || !appreciation || !extra) {
        return calc.usage("the schedule's ages, appreciation and extra payment are numbers");
    }
    if (!mode || (*mode != 0.0 && *mode != 1.0 && *mode != 2.0)) {
        return calc.usage("--extra-mode takes 0, 1 or 2");
    }
    m.type = static_cast<std::int16_t>(EventType::Mortgage);
    m.amount = static_cast<float>(fieldNumber(textOf(fields, "amount")));
    m.downPayment = static_cast<float>(fieldNumber(textOf(fields, "down-payment")));
    m.rate = static_cast<float>(fieldNumber(textOf(fields, "rate")));
    m.years = static_cast<std::int16_t>(std::trunc(fieldNumber(textOf(fields, "years"))));
    m.startAge = static_cast<float>(*start);
    m.endAge = static_cast<float>(*payoff);
    m.adjustRate = static_cast<float>(*sell);
    m.appreciationRate = static_cast<float>(*appreciation);
    m.extraPrincipal = static_cast<float>(*extra);
    m.extraPrincipalMode() = static_cast<std::uint16_t>(*mode);
    return ExitCode::Success;
}

ExitCode calcMortgage(const Calc& calc) {
    if (const ExitCode code = strayOption(
            calc, "mortgage",
            {"--amount", "--rate", "--years", "--down", "--schedule", "--start-age", "--payoff-age",
             "--sell-age", "--appreciation", "--extra", "--extra-mode", "--scenario", "--event"});
        code != ExitCode::Success) {
        return code;
    }
    if (!calc.given("--schedule")) {
        if (const auto option = calc.anyOf({"--start-age", "--payoff-age", "--sell-age",
                                            "--appreciation", "--extra", "--extra-mode"})) {
            return calc.usage(std::string(*option) + " needs --schedule");
        }
    }
    FieldTexts fields;
    ScenarioSource source;
    EventRecord mortgage;
    float scenarioStart = 0.0f;
    if (calc.given("--scenario")) {
        if (const auto option = calc.anyOf({"--amount", "--rate", "--years", "--down",
                                            "--start-age", "--payoff-age", "--sell-age",
                                            "--appreciation", "--extra", "--extra-mode"})) {
            return calc.usage(std::string(*option) + " cannot be combined with --scenario");
        }
        if (const ExitCode code = loadSource(calc, source, true); code != ExitCode::Success) {
            return code;
        }
        mortgage = mortgageOf(source);
        scenarioStart = source.scenario.header.startAge;
        fields = {{"amount", money12(mortgage.amount)},
                  {"down-payment", money12(mortgage.downPayment)},
                  {"rate", formatText("%-6.2f", static_cast<double>(mortgage.rate))},
                  {"years", formatText("%d", mortgage.years)}};
    } else if (calc.given("--event")) {
        return calc.usage("--event needs --scenario");
    } else if (const ExitCode code = fillFields(calc, fields,
                                                {{"--amount", "amount", std::nullopt},
                                                 {"--down", "down-payment", "0"},
                                                 {"--rate", "rate", std::nullopt},
                                                 {"--years", "years", std::nullopt}},
                                                "mortgage");
               code != ExitCode::Success) {
        return code;
    }
    const CalcResult result = calculateMortgage(fields);
    if (!result.accepted()) {
        return calc.refused(*result.refusal);
    }
    std::vector<OutputFile> files;
    if (calc.given("--schedule")) {
        if (!calc.given("--scenario")) {
            if (const ExitCode code = scheduledMortgage(calc, fields, mortgage);
                code != ExitCode::Success) {
                return code;
            }
            scenarioStart = mortgage.startAge;
        }
        const MortgageSchedule schedule = buildMortgageSchedule(mortgage, scenarioStart);
        if (!schedule.valid) {
            calc.context().err << "finplan-cli: the mortgage's values give no schedule rows\n";
        }
        files.push_back({calc.value("--schedule"), mortgageScheduleFileText(schedule)});
    }
    return calc.finish(result, files);
}

// --- refinance --------------------------------------------------------------------------------

ExitCode refinanceFields(const Calc& calc, const ScenarioSource* source, RefinanceState& state) {
    FieldTexts& fields = state.fields;
    if (source != nullptr) {
        const EventRecord& m = mortgageOf(*source);
        fields["start-age"] = formatText("%d", static_cast<int>(std::trunc(m.startAge)));
        fields["amount"] = money12(m.amount - m.downPayment);
        fields["rate"] = formatText("%-6.2f", static_cast<double>(m.rate));
        fields["years"] = formatText("%d", m.years);
    } else if (const ExitCode code = fillFields(calc, fields,
                                                {{"--start-age", "start-age", std::nullopt},
                                                 {"--amount", "amount", std::nullopt},
                                                 {"--rate", "rate", std::nullopt},
                                                 {"--years", "years", std::nullopt}},
                                                "refinance");
               code != ExitCode::Success) {
        return code;
    }
    if (const ExitCode code = fillFields(calc, fields,
                                         {{"--refinance-age", "refinance-age", std::nullopt},
                                          {"--cash-out", "cash-out", "0"},
                                          {"--new-rate", "new-rate", std::nullopt},
                                          {"--new-years", "new-years", std::nullopt},
                                          {"--closing-costs", "closing-costs", "0"},
                                          {"--points", "points", "0"},
                                          {"--tax-rate", "tax-rate", std::nullopt},
                                          {"--savings-rate", "savings-rate", std::nullopt}},
                                         "refinance");
        code != ExitCode::Success) {
        return code;
    }
    calc.check(fields, "--cash-out-as-savings", "cash-out-as-savings");
    calc.check(fields, "--include-closing-costs", "include-closing-costs");
    calc.check(fields, "--include-points", "include-points");
    typeRefinancedAmount(state, calc.args().value("--refinanced-amount").value_or("0"));
    return ExitCode::Success;
}

ExitCode calcRefinance(const Calc& calc) {
    if (const ExitCode code =
            strayOption(calc, "refinance", {"--start-age",     "--amount",
                                            "--rate",          "--years",
                                            "--refinance-age", "--new-rate",
                                            "--new-years",     "--tax-rate",
                                            "--savings-rate",  "--refinanced-amount",
                                            "--cash-out",      "--cash-out-as-savings",
                                            "--closing-costs", "--include-closing-costs",
                                            "--points",        "--include-points",
                                            "--report",        "--graph-file",
                                            "--scenario",      "--event",
                                            "--create"});
        code != ExitCode::Success) {
        return code;
    }
    const bool fromScenario = calc.given("--scenario");
    if (!fromScenario && calc.anyOf({"--event", "--create"})) {
        return calc.usage("--event and --create need --scenario");
    }
    if (fromScenario) {
        if (const auto option = calc.anyOf({"--start-age", "--amount", "--rate", "--years"})) {
            return calc.usage(std::string(*option) + " cannot be combined with --scenario");
        }
    }
    if (calc.value("--create") == "-") {
        return calc.usage("--create writes a scenario file, not standard output");
    }
    ScenarioSource source;
    if (fromScenario) {
        if (const ExitCode code = loadSource(calc, source, true); code != ExitCode::Success) {
            return code;
        }
    }
    RefinanceState state;
    if (const ExitCode code = refinanceFields(calc, fromScenario ? &source : nullptr, state);
        code != ExitCode::Success) {
        return code;
    }
    RefinanceAnalysis analysis;
    const CalcResult result = runRefinanceAnalysis(state, &analysis);
    if (!result.accepted()) {
        return calc.refused(*result.refusal);
    }
    std::optional<RefinanceCreation> created;
    if (calc.given("--create")) {
        created = createRefinanceEvent(source.scenario, source.mortgage, state.fields);
        if (created->refusal) {
            return calc.refused(*created->refusal);
        }
    }
    std::vector<OutputFile> files;
    if (calc.given("--report")) {
        files.push_back({calc.value("--report"), refinanceReportText(analysis)});
    }
    if (calc.given("--graph-file")) {
        files.push_back({calc.value("--graph-file"), refinanceGraphText(analysis)});
    }
    const std::string createPath = calc.value("--create");
    const ExitCode written =
        created ? calc.finish(result, files, {createPath}) : calc.finish(result, files);
    if (written != ExitCode::Success || !created) {
        return written;
    }
    CliPlanner planner(calc.context(), ".", std::nullopt);
    planner->scenario() = *created->scenario;
    planner->settings() = source.settings;
    return planner->saveTo(createPath) ? ExitCode::Success : ExitCode::WriteFailed;
}

// --- the small calculators ------------------------------------------------------------------

ExitCode calcAccelerated(const Calc& calc) {
    if (const ExitCode code =
            strayOption(calc, "accelerated",
                        {"--amount", "--years", "--rate", "--years-left", "--extra",
                         "--investment-rate", "--tax-rate", "--inflation", "--scenario"});
        code != ExitCode::Success) {
        return code;
    }
    FieldTexts start = acceleratedStartFields(0.0f, 0.0f);
    if (calc.given("--scenario")) {
        ScenarioSource source;
        if (const ExitCode code = loadSource(calc, source, false); code != ExitCode::Success) {
            return code;
        }
        start = acceleratedStartFields(source.scenario.header.taxRate,
                                       source.scenario.header.inflationRate);
    }
    FieldTexts fields;
    if (const ExitCode code =
            fillFields(calc, fields,
                       {{"--amount", "amount", std::nullopt},
                        {"--years", "years", std::nullopt},
                        {"--rate", "rate", std::nullopt},
                        {"--extra", "extra", "0"},
                        {"--investment-rate", "investment-rate", start["investment-rate"]},
                        {"--tax-rate", "tax-rate", start["tax-rate"]},
                        {"--inflation", "inflation", start["inflation"]}},
                       "accelerated");
        code != ExitCode::Success) {
        return code;
    }
    fields["years-left"] = calc.args().value("--years-left").value_or(fields["years"]);
    const CalcResult result = calculateAcceleratedPayments(fields);
    return result.accepted() ? calc.finish(result, {}) : calc.refused(*result.refusal);
}

// A calculator whose fields are its options, one for one.
ExitCode calcPlain(const Calc& calc, std::string_view kind,
                   std::initializer_list<FieldOption> options,
                   CalcResult (*calculate)(const FieldTexts&)) {
    std::vector<std::string_view> allowed;
    for (const FieldOption& option : options) {
        allowed.push_back(option.option);
    }
    if (const ExitCode code = strayOption(calc, kind, allowed); code != ExitCode::Success) {
        return code;
    }
    FieldTexts fields;
    if (const ExitCode code = fillFields(calc, fields, options, kind); code != ExitCode::Success) {
        return code;
    }
    const CalcResult result = calculate(fields);
    return result.accepted() ? calc.finish(result, {}) : calc.refused(*result.refusal);
}

ExitCode calcEffectiveRate(const Calc& calc) {
    if (const ExitCode code = strayOption(calc, "effective-rate", {"--rate", "--compounding"});
        code != ExitCode::Success) {
        return code;
    }
    FieldTexts fields;
    if (const ExitCode code =
            fillFields(calc, fields, {{"--rate", "rate", std::nullopt}}, "effective-rate");
        code != ExitCode::Success) {
        return code;
    }
    const std::string compounding = calc.value("--compounding");
    if (compounding == "daily" || compounding == "monthly" || compounding == "quarterly" ||
        compounding == "semiannually" || compounding.empty()) {
        fields["compounding"] = compounding;
    } else {
        fields["compounding"] = "other";
        fields["periods"] = compounding;
    }
    const CalcResult result = calculateEffectiveRate(fields);
    return result.accepted() ? calc.finish(result, {}) : calc.refused(*result.refusal);
}

// --- trade-off --------------------------------------------------------------------------------

ExitCode readTradeRecord(const Calc& calc, TradeRecord& record) {
    const bool named = calc.args().files.size() > 1;
    const std::filesystem::path path =
        named
            ? std::filesystem::path(calc.args().files[1])
            : std::filesystem::path(calc.args().value("--workdir").value_or(".")) / kTradeInfoFile;
    if (!named && !std::filesystem::exists(path)) {
        record = defaultTradeRecord();
        return ExitCode::Success;
    }
    const auto bytes = fileExists(path) ? readFileBytes(path, kMaxTradeInfoBytes) : std::nullopt;
    if (!bytes) {
        calc.context().err << "Cannot open " << path.string() << '\n';
        return ExitCode::ReadFailed;
    }
    record = readTradeInfo(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    return ExitCode::Success;
}

ExitCode calcTradeOff(const Calc& calc) {
    if (const ExitCode code = strayOption(calc, "tradeoff",
                                          {"--periods", "--use-tax-rate", "--no-tax-rate",
                                           "--tax-rate", "--plot", "--save", "--workdir"});
        code != ExitCode::Success) {
        return code;
    }
    if (calc.given("--use-tax-rate") && calc.given("--no-tax-rate")) {
        return calc.usage("--use-tax-rate and --no-tax-rate cannot be combined");
    }
    const auto taxRate = calc.number("--tax-rate", 0.0);
    const auto periods = calc.number("--periods", 0.0);
    if (!taxRate || !periods) {
        return calc.usage("--tax-rate and --periods take numbers");
    }
    TradeRecord record;
    if (const ExitCode code = readTradeRecord(calc, record); code != ExitCode::Success) {
        return code;
    }
    if (calc.given("--periods")) {
        record.periods() = static_cast<float>(*periods);
    }
    if (calc.given("--use-tax-rate") || calc.given("--no-tax-rate")) {
        record.setUsesTaxRate(calc.given("--use-tax-rate"));
    }
    const float tax = static_cast<float>(*taxRate);
    const CalcResult result = calculateTradeOff(record, tax);
    if (!result.accepted()) {
        return calc.refused(*result.refusal);
    }
    std::vector<OutputFile> files;
    if (calc.given("--plot")) {
        if (const auto refusal = tradePlotRefusal(record)) {
            return calc.refused(*refusal);
        }
        files.push_back({calc.value("--plot"), tradePlotText(record, tax)});
    }
    if (calc.given("--save")) {
        files.push_back({calc.value("--save"), tradeInfoText(record)});
    }
    return calc.finish(result, files);
}

} // namespace

ExitCode runCalc(const CliContext& context, const CliArguments& arguments) {
    const Calc calc(context, arguments);
    if (arguments.files.empty()) {
        return calc.usage("calc needs a calculator: mortgage, refinance, accelerated, inflation, "
                          "effective-rate, investment, card-payoff or tradeoff");
    }
    const std::string& kind = arguments.files[0];
    const std::size_t most = kind == "tradeoff" ? 2 : 1;
    if (arguments.files.size() > most) {
        return calc.usage("calc " + kind + " takes no file \"" + arguments.files[most] + "\"");
    }
    if (kind == "mortgage") {
        return calcMortgage(calc);
    }
    if (kind == "refinance") {
        return calcRefinance(calc);
    }
    if (kind == "accelerated") {
        return calcAccelerated(calc);
    }
    if (kind == "inflation") {
        return calcPlain(calc, kind,
                         {{"--start-age", "start-age", std::nullopt},
                          {"--end-age", "end-age", std::nullopt},
                          {"--rate", "rate", std::nullopt},
                          {"--amount", "amount", std::nullopt}},
                         calculateInflation);
    }
    if (kind == "effective-rate") {
        return calcEffectiveRate(calc);
    }
    if (kind == "investment") {
        return calcPlain(calc, kind,
                         {{"--amount", "amount", std::nullopt},
                          {"--years", "years", std::nullopt},
                          {"--return", "return", std::nullopt},
                          {"--tax-rate", "tax-rate", std::nullopt},
                          {"--inflation", "inflation", std::nullopt}},
                         calculateInvestment);
    }
    if (kind == "card-payoff") {
        return calcPlain(calc, kind,
                         {{"--balance", "balance", std::nullopt},
                          {"--rate", "rate", std::nullopt},
                          {"--payment", "payment", std::nullopt},
                          {"--purchases", "purchases", "0"}},
                         calculateCardPayoff);
    }
    if (kind == "tradeoff") {
        return calcTradeOff(calc);
    }
    return calc.usage("unknown calculator \"" + kind + "\"");
}

} // namespace finplan::cli
