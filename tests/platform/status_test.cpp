#include "kesto/platform/status.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kesto::test {
namespace {

using Predicate = bool (Status::*)() const;

// Each way of failing answers to its own question and to no other, keeps its reason and
// system error, and keeps all three when told in other words.
TEST(StatusTest, EachKindAnswersToItsOwnPredicateAlone) {
    const Predicate predicates[] = {
        &Status::Ok,          &Status::IsNotFound, &Status::IsUnreadable, &Status::IsBroken,
        &Status::IsCancelled, &Status::IsTooRare,  &Status::IsNothingToDo};
    const struct {
        const char* what;
        Status status;
        Predicate kind;  // nullptr: none of the predicates
        const char* reason;
        int systemError;
    } cases[] = {
        {"worked", Status(), &Status::Ok, "", 0},
        {"not found", Status::NotFound("none", ENOENT), &Status::IsNotFound, "none", ENOENT},
        {"unreadable", Status::Unreadable("locked", EACCES), &Status::IsUnreadable, "locked",
         EACCES},
        {"broken", Status::Broken("line 2"), &Status::IsBroken, "line 2", 0},
        {"cancelled", Status::Cancelled(), &Status::IsCancelled, "Cancelled.", 0},
        {"too rare", Status::TooRare("no deal"), &Status::IsTooRare, "no deal", 0},
        {"nothing to do", Status::NothingToDo("Nothing to print."), &Status::IsNothingToDo,
         "Nothing to print.", 0},
        {"any other", Status::Failure("disk full", ENOSPC), nullptr, "disk full", ENOSPC},
        {"read, refused", Status::ReadFailure("cannot open a", EACCES), &Status::IsUnreadable,
         "cannot open a: Permission denied", EACCES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Status& status : {c.status, c.status.WithReason("other words")}) {
            for (const Predicate predicate : predicates) {
                EXPECT_EQ((status.*predicate)(), predicate == c.kind);
            }
            EXPECT_EQ(status.SystemError(), c.systemError);
        }
        EXPECT_EQ(c.status.Reason(), c.reason);
        EXPECT_EQ(c.status.WithReason("other words").Reason(), c.status.Ok() ? "" : "other words");
    }
}

}  // namespace
}  // namespace kesto::test
