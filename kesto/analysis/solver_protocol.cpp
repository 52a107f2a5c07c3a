#include "kesto/analysis/solver_protocol.h"

#include <algorithm>
#include <charconv>

namespace kesto {

namespace {

constexpr std::string_view kOk = "ok";
constexpr std::string_view kFailed = "failed ";
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// A whole number within [low, high], the whole text.
std::optional<int> Number(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string TableText(const TrickTable& table) {
    std::string text;
    for (const auto& strains : table) {
        for (const int tricks : strains) {
            text += kHexDigits[static_cast<std::size_t>(std::clamp(tricks, 0, kCardsInHand))];
        }
    }
    return text;
}

std::optional<TrickTable> TableOf(std::string_view text) {
    TrickTable table{};
    if (text.size() != table.size() * kStrainCount) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t tricks = kHexDigits.find(text[i]);
        if (tricks > static_cast<std::size_t>(kCardsInHand)) {
            return std::nullopt;
        }
        table[i / kStrainCount][i % kStrainCount] = static_cast<int>(tricks);
    }
    return table;
}

std::string FailedAnswer(const Status& status) {
    std::string words = status.Reason();
    std::replace_if(
        words.begin(), words.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return std::string(kFailed) + words;
}

// The words after "ok " of an answer that worked, or the failure it gives; nullopt when the
// line is neither.
std::optional<StatusOr<std::string_view>> AnswerOf(std::string_view line) {
    StatusOr<std::string_view> answer;
    if (line.starts_with(kFailed)) {
        answer.status = Status::Failure(std::string(line.substr(kFailed.size())));
        return answer;
    }
    if (line == kOk) {
        return answer;
    }
    if (!line.starts_with(std::string(kOk) + " ")) {
        return std::nullopt;
    }
    answer.value = line.substr(kOk.size() + 1);
    return answer;
}

std::string ContractText(const ParContract& contract) {
    return std::to_string(contract.level) + "," +
           std::to_string(static_cast<int>(contract.strain)) + "," +
           std::to_string(static_cast<int>(contract.declarer)) + "," +
           (contract.doubled ? "1" : "0") + "," + std::to_string(contract.overtricks);
}

std::optional<ParContract> ContractOf(std::string_view text) {
    const std::vector<std::string_view> fields = Split(text, ',');
    if (fields.size() != 5) {
        return std::nullopt;
    }
    const std::optional<int> level = Number(fields[0], 1, 7);
    const std::optional<int> strain = Number(fields[1], 0, kStrainCount - 1);
    const std::optional<int> declarer =
        Number(fields[2], 0, static_cast<int>(ParDeclarer::EastWest));
    const std::optional<int> doubled = Number(fields[3], 0, 1);
    const std::optional<int> overtricks = Number(fields[4], -kCardsInHand, kCardsInHand);
    if (!level || !strain || !declarer || !doubled || !overtricks) {
        return std::nullopt;
    }
    return ParContract{*level, static_cast<Strain>(*strain), *doubled == 1,
                       static_cast<ParDeclarer>(*declarer), *overtricks};
}

std::string ThreadsAnswer(DoubleDummySolver& solver) {
    return std::string(kOk) + " " + std::to_string(solver.Threads());
}

std::string TablesAnswer(std::string_view deals, DoubleDummySolver& solver) {
    std::vector<std::string> texts;
    for (const std::string_view deal : Split(deals, '|')) {
        texts.emplace_back(deal);
    }
    const StatusOr<std::vector<TrickTable>> tables = solver.SolveTables(texts);
    if (!tables.status.Ok()) {
        return FailedAnswer(tables.status);
    }
    std::string answer(kOk);
    for (const TrickTable& table : tables.value) {
        answer += " " + TableText(table);
    }
    return answer;
}

std::string ParAnswer(std::string_view request, DoubleDummySolver& solver) {
    const std::vector<std::string_view> fields = Split(request, ' ');
    const std::optional<int> dealer =
        fields.size() == 3 ? Number(fields[0], 0, 3) : std::optional<int>();
    const std::optional<TrickTable> table =
        fields.size() == 3 ? TableOf(fields[2]) : std::optional<TrickTable>();
    if (!dealer || !table) {
        return FailedAnswer(AnalysisFailure("the solver was sent a par request it cannot read"));
    }
    const StatusOr<ParResult> par = solver.Par(*table, static_cast<Seat>(*dealer), fields[1]);
    if (!par.status.Ok()) {
        return FailedAnswer(par.status);
    }
    std::string answer = std::string(kOk) + " " + std::to_string(par.value.scoreNS);
    for (const ParContract& contract : par.value.contracts) {
        answer += " " + ContractText(contract);
    }
    return answer;
}

}  // namespace

std::string ThreadsRequest() {
    return "threads";
}

std::string TablesRequest(const std::vector<std::string>& pbnDeals) {
    std::string request = "tables ";
    for (std::size_t i = 0; i < pbnDeals.size(); ++i) {
        request += (i > 0 ? "|" : "") + pbnDeals[i];
    }
    return request;
}

std::string ParRequest(const TrickTable& table, Seat dealer, std::string_view vulnerability) {
    return "par " + std::to_string(static_cast<int>(dealer)) + " " + std::string(vulnerability) +
           " " + TableText(table);
}

std::optional<std::size_t> ReadThreadsAnswer(std::string_view line) {
    const std::optional<StatusOr<std::string_view>> answer = AnswerOf(line);
    if (!answer || !answer->status.Ok()) {
        return std::nullopt;
    }
    const std::optional<int> threads = Number(answer->value, 1, 1 << 16);
    return threads ? std::optional<std::size_t>(static_cast<std::size_t>(*threads)) : std::nullopt;
}

std::optional<StatusOr<std::vector<TrickTable>>> ReadTablesAnswer(std::string_view line,
                                                                  std::size_t count) {
    const std::optional<StatusOr<std::string_view>> answer = AnswerOf(line);
    if (!answer) {
        return std::nullopt;
    }
    StatusOr<std::vector<TrickTable>> tables;
    tables.status = answer->status;
    if (!tables.status.Ok()) {
        return tables;
    }
    for (const std::string_view text : Split(answer->value, ' ')) {
        const std::optional<TrickTable> table = TableOf(text);
        if (!table) {
            return std::nullopt;
        }
        tables.value.push_back(*table);
    }
    if (tables.value.size() != count) {
        return std::nullopt;
    }
    return tables;
}

std::optional<StatusOr<ParResult>> ReadParAnswer(std::string_view line) {
    const std::optional<StatusOr<std::string_view>> answer = AnswerOf(line);
    if (!answer) {
        return std::nullopt;
    }
    StatusOr<ParResult> par;
    par.status = answer->status;
    if (!par.status.Ok()) {
        return par;
    }
    const std::vector<std::string_view> fields = Split(answer->value, ' ');
    const std::optional<int> score = Number(fields[0], -7600, 7600);
    if (!score) {
        return std::nullopt;
    }
    par.value.scoreNS = *score;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::optional<ParContract> contract = ContractOf(fields[i]);
        if (!contract) {
            return std::nullopt;
        }
        par.value.contracts.push_back(*contract);
    }
    return par;
}

std::string AnswerSolverRequest(std::string_view request, DoubleDummySolver& solver) {
    const std::size_t space = request.find(' ');
    const std::string_view verb = request.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : request.substr(space + 1);
    if (verb == "threads" && space == std::string_view::npos) {
        return ThreadsAnswer(solver);
    }
    if (verb == "tables" && !rest.empty()) {
        return TablesAnswer(rest, solver);
    }
    if (verb == "par") {
        return ParAnswer(rest, solver);
    }
    return FailedAnswer(AnalysisFailure("the solver was sent a request it does not know"));
}

}  // namespace kesto
