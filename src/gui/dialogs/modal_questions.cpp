#include "dialogs/modal_questions.h"

namespace orva {

Question Question::Error(const QString &headline, const QString &hint, bool fix, bool cont)
{
    Question q;
    q.kind = QuestionKind::ErrorBox;
    q.headline = headline;
    q.hint = hint;
    q.fix = fix;
    q.cont = cont;
    return q;
}

Question Question::ErrorWithDefault(const QString &headline, const QString &hint, bool offerDefault)
{
    Question q = Error(headline, hint, true, false);
    q.offerDefault = offerDefault;
    return q;
}

Question Question::Info(const QString &headline, const QString &hint, bool offerCancel)
{
    Question q;
    q.kind = QuestionKind::InfoBox;
    q.headline = headline;
    q.hint = hint;
    q.offerCancel = offerCancel;
    return q;
}

Question Question::Of(QuestionKind kind)
{
    Question q;
    q.kind = kind;
    return q;
}

} // namespace orva
