#pragma once
// Whether a cell text satisfies a filter or search condition such as
// "ab*", ">=5", "!x?", "(a|b)&c" or ">1.000,5". Terms are joined by "&"
// (and) or "|", ";", "^" (or), strictly from left to right; parentheses
// group; double quotes make blanks and operator characters literal. No
// condition is an error: every one evaluates to True or False.
#include "platform/sys/String.h"

bool MatchFilter(StringView Condition, StringView Text, bool CaseSensitive);
// One term; without CaseSensitive both texts are upper-cased first.
bool MatchFilterTerm(StringView Term, StringView Text, bool CaseSensitive);
// Comparisons (">", ">=", "<", "<=" against numbers, dates or texts), then
// the wildcard pattern ("*", "?", "!" negating).
bool MatchCondition(StringView Term, StringView Text);

// A blank stays only when an odd number of double quotes precede it.
String RemoveBlanksOutsideQuotes(StringView Text);
// The ")" where as many ")" as "(" have been seen; 0 when none.
int FindMatchingParen(StringView Text);
// The first of "(", ";", "^", "&", "|" outside double quotes and its
// position; character 0 when there is none.
Char FindFilterOperator(StringView Text, int& Position);
// Locale decimal separator -> ".", locale thousand separator removed.
String NormalizeFloatText(StringView Text);
