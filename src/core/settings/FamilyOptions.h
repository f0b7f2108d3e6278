#pragma once

class Store;

// Improvements to what the program always did, kept in a table of their own,
// FAMILY_OPTIONS. A database this program creates has them all on; a database
// from before them has no table and behaves exactly as it always did, until
// the parent switches one on under Options.
struct FamilyOptions
{
    // During a test the word is blanked out of its definition and sentence.
    bool hideWordInClues = false;
    // A typed date that cannot be read is refused with a message instead of
    // being replaced by today or the next test day.
    bool strictDates = false;
    // A wrong answer that differs from a case-sensitive word only in its
    // capital letters is told so.
    bool caseHint = false;

    bool operator==(const FamilyOptions &) const = default;
};

// Off when the table is missing, empty or not as the program made it.
FamilyOptions ReadFamilyOptions(Store &store);
void WriteFamilyOptions(Store &store, const FamilyOptions &options);
