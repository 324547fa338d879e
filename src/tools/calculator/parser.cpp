// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/parser.h"

#include "core/error.h"
#include "tools/calculator/lexer.h"

namespace maprune {

namespace {

// Where an expression stands decides which closing symbols end it and what
// the end of the text means there.
enum class Context { Top, Parenthesis, List };

std::string At(size_t position)
{
    return "(" + std::to_string(position) + ") ";
}

class TParser {
public:
    explicit TParser(std::string_view text) : FLexer(text) {}

    std::unique_ptr<TExpression> ParseAll() { return ParseSequence(Context::Top, 0); }

private:
    std::unique_ptr<TExpression> NewNode(NodeKind kind, size_t position)
    {
        if (++FNodes > kMaxNodes)
            throw Error(At(position) + "Ausdruck zu lang (mehr als " + std::to_string(kMaxNodes)
                + " Teile)");
        auto node = std::make_unique<TExpression>();
        node->Kind = kind;
        node->Position = position;
        return node;
    }

    void Nest(size_t position)
    {
        if (++FNesting > kMaxNesting)
            throw Error(At(position) + "Ausdruck zu tief verschachtelt (mehr als "
                + std::to_string(kMaxNesting) + " Ebenen)");
    }

    static bool Closes(Context context, char closer, const TToken& token)
    {
        if (token.Kind != TokenKind::Symbol || context == Context::Top)
            return false;
        return token.Text[0] == closer || (context == Context::List && token.Text[0] == ',');
    }

    [[noreturn]] static void FailAtEnd(Context context, const TToken& end, bool operandWanted)
    {
        if (context == Context::List)
            throw Error("Argumentliste nicht korrekt terminiert");
        if (context == Context::Parenthesis)
            throw Error(At(end.Position) + (operandWanted ? "Ausdruck oder ')' erwartet" : "Fehler: ')' erwartet"));
        throw Error(At(end.Position) + "leerer Ausdruck nicht zulässig an dieser Stelle");
    }

    std::unique_ptr<TExpression> ParseSequence(Context context, char closer)
    {
        std::unique_ptr<TExpression> root = ParseOperand(context);
        for (;;) {
            const TToken& token = FLexer.Peek();
            if (token.Kind == TokenKind::End) {
                if (context != Context::Top)
                    FailAtEnd(context, token, false);
                return root;
            }
            if (Closes(context, closer, token))
                return root;
            if (token.Kind != TokenKind::Operator)
                throw Error(At(token.Position) + "Operator erwartet");
            TToken op = FLexer.Next();
            const int level = OperatorLevel(op.Text);
            if (level == 0)
                throw Error("ungültiger Operator: \"" + op.Text + "\" - interner Fehler");
            auto node = NewNode(NodeKind::Infix, op.Position);
            node->Name = std::move(op.Text);
            node->Right = ParseOperand(context);
            Insert(root, std::move(node), level);
        }
    }

    static void Insert(std::unique_ptr<TExpression>& root, std::unique_ptr<TExpression> node, int level)
    {
        std::unique_ptr<TExpression>* slot = &root;
        while ((*slot)->Kind == NodeKind::Infix && !(*slot)->Parenthesised
            && OperatorLevel((*slot)->Name) < level)
            slot = &(*slot)->Right;
        node->Left = std::move(*slot);
        *slot = std::move(node);
    }

    std::unique_ptr<TExpression> ParseOperand(Context context)
    {
        TToken token = FLexer.Next();
        switch (token.Kind) {
        case TokenKind::End:
            FailAtEnd(context, token, true);
        case TokenKind::Number: {
            const bool integer = token.Number.IsInteger();
            auto node = NewNode(integer ? NodeKind::IntegerConstant : NodeKind::RealConstant, token.Position);
            if (integer)
                node->Integer = token.Number.Integer();
            else
                node->Real = token.Number.Real();
            return node;
        }
        case TokenKind::String: {
            auto node = NewNode(NodeKind::StringConstant, token.Position);
            node->Name = std::move(token.Text);
            return node;
        }
        case TokenKind::Identifier:
            return ParseNamed(std::move(token));
        case TokenKind::Operator:
        case TokenKind::Symbol:
            break;
        }
        if (token.Text == "(")
            return ParseParenthesis(token.Position);
        if (token.Text == "+" || token.Text == "-" || token.Text == "~" || token.Text == "!") {
            Nest(token.Position);
            auto node = NewNode(NodeKind::Prefix, token.Position);
            node->Name = token.Text;
            node->Left = ParseOperand(context);
            --FNesting;
            return node;
        }
        throw Error(At(token.Position) + "ungültiges Zeichen an dieser Stelle... Ausdruck erwartet");
    }

    std::unique_ptr<TExpression> ParseParenthesis(size_t position)
    {
        Nest(position);
        const TToken& next = FLexer.Peek();
        if (next.Kind == TokenKind::Symbol && next.Text == ")")
            throw Error(At(next.Position) + "leerer Ausdruck nicht zulässig an dieser Stelle");
        std::unique_ptr<TExpression> inner = ParseSequence(Context::Parenthesis, ')');
        FLexer.Next(); // ")"
        if (inner->Kind == NodeKind::Infix)
            inner->Parenthesised = true;
        --FNesting;
        return inner;
    }

    // An identifier with its optional index or argument list, then any
    // number of "." and another such identifier.
    std::unique_ptr<TExpression> ParseNamed(TToken name)
    {
        std::unique_ptr<TExpression> object;
        for (;;) {
            const TToken& next = FLexer.Peek();
            const bool call = next.Kind == TokenKind::Symbol && next.Text == "(";
            const bool indexed = next.Kind == TokenKind::Symbol && next.Text == "[";
            NodeKind kind = call ? NodeKind::FunctionCall : NodeKind::Variable;
            if (object != nullptr)
                kind = call ? NodeKind::MethodCall : NodeKind::Property;
            auto node = NewNode(kind, name.Position);
            node->Name = std::move(name.Text);
            node->Left = std::move(object);
            if (call || indexed) {
                const TToken open = FLexer.Next();
                node->Arguments = ParseList(call ? ')' : ']', open.Position);
            }
            const TToken& dot = FLexer.Peek();
            if (dot.Kind != TokenKind::Symbol || dot.Text != ".")
                return node;
            FLexer.Next();
            name = FLexer.Next();
            if (name.Kind != TokenKind::Identifier)
                throw Error(At(name.Position) + "Bezeichner erwartet");
            object = std::move(node);
        }
    }

    std::vector<std::unique_ptr<TExpression>> ParseList(char closer, size_t position)
    {
        Nest(position);
        std::vector<std::unique_ptr<TExpression>> list;
        const TToken& first = FLexer.Peek();
        if (closer == ')' && first.Kind == TokenKind::Symbol && first.Text == ")") {
            FLexer.Next();
            --FNesting;
            return list;
        }
        for (;;) {
            list.push_back(ParseSequence(Context::List, closer));
            if (FLexer.Next().Text[0] == closer)
                break;
        }
        --FNesting;
        return list;
    }

    TLexer FLexer;
    int FNodes = 0;
    int FNesting = 0;
};

} // namespace

std::unique_ptr<TExpression> ParseExpression(std::string_view text)
{
    return TParser(text).ParseAll();
}

} // namespace maprune
