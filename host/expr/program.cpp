#include "host/expr/program.h"

#include "host/expr/degree_math.h"

#include <cmath>
#include <limits>

namespace surfax::expr
{
namespace
{

double Truth(bool value)
{
	return value ? 1.0 : 0.0;
}

// min, max and clamp let a NaN through rather than dropping it, so a hole in the data stays a hole.
double Min(double a, double b)
{
	return std::isnan(a) || std::isnan(b) ? a + b : (b < a ? b : a);
}

double Max(double a, double b)
{
	return std::isnan(a) || std::isnan(b) ? a + b : (b > a ? b : a);
}

} // namespace

double Run(const Instruction* code, std::size_t count, const double* numbers, double* stack)
{
	double* top = stack - 1; // points at the topmost value
	for (const Instruction* instruction = code; instruction != code + count; ++instruction)
	{
		switch (instruction->op)
		{
		case Op::PushNumber:
			*++top = numbers[instruction->argument];
			break;
		case Op::PushConstant:
			*++top = kConstants[instruction->argument].value;
			break;
		case Op::Negate:
			*top = -*top;
			break;
		case Op::Not:
			*top = Truth(*top == 0.0);
			break;
		case Op::Add:
			--top;
			top[0] = top[0] + top[1];
			break;
		case Op::Subtract:
			--top;
			top[0] = top[0] - top[1];
			break;
		case Op::Multiply:
			--top;
			top[0] = top[0] * top[1];
			break;
		case Op::Divide:
			--top;
			top[0] = top[0] / top[1];
			break;
		case Op::Power:
			--top;
			top[0] = std::pow(top[0], top[1]);
			break;
		case Op::Equal:
			--top;
			top[0] = Truth(top[0] == top[1]);
			break;
		case Op::NotEqual:
			--top;
			top[0] = Truth(top[0] != top[1]);
			break;
		case Op::Less:
			--top;
			top[0] = Truth(top[0] < top[1]);
			break;
		case Op::Greater:
			--top;
			top[0] = Truth(top[0] > top[1]);
			break;
		case Op::LessEqual:
			--top;
			top[0] = Truth(top[0] <= top[1]);
			break;
		case Op::GreaterEqual:
			--top;
			top[0] = Truth(top[0] >= top[1]);
			break;
		case Op::And:
			--top;
			top[0] = Truth(top[0] != 0.0 && top[1] != 0.0);
			break;
		case Op::Or:
			--top;
			top[0] = Truth(top[0] != 0.0 || top[1] != 0.0);
			break;
		case Op::Select:
			top -= 2;
			top[0] = top[0] != 0.0 ? top[1] : top[2];
			break;
		case Op::Sin:
			*top = SinDegrees(*top);
			break;
		case Op::Cos:
			*top = CosDegrees(*top);
			break;
		case Op::Tan:
			*top = TanDegrees(*top);
			break;
		case Op::Asin:
			*top = AsinDegrees(*top);
			break;
		case Op::Acos:
			*top = AcosDegrees(*top);
			break;
		case Op::Atan:
			*top = AtanDegrees(*top);
			break;
		case Op::Atan2:
			--top;
			top[0] = Atan2Degrees(top[0], top[1]);
			break;
		case Op::Sinh:
			*top = std::sinh(*top);
			break;
		case Op::Cosh:
			*top = std::cosh(*top);
			break;
		case Op::Tanh:
			*top = std::tanh(*top);
			break;
		case Op::Exp:
			*top = std::exp(*top);
			break;
		case Op::Log:
			*top = std::log(*top);
			break;
		case Op::Log10:
			*top = std::log10(*top);
			break;
		case Op::Sqrt:
			*top = std::sqrt(*top);
			break;
		case Op::Square:
			*top = *top * *top;
			break;
		case Op::Abs:
			*top = std::fabs(*top);
			break;
		case Op::Floor:
			*top = std::floor(*top);
			break;
		case Op::Ceil:
			*top = std::ceil(*top);
			break;
		case Op::Round:
			*top = std::round(*top);
			break;
		case Op::Trunc:
			*top = std::trunc(*top);
			break;
		case Op::Mod:
			--top;
			top[0] = std::fmod(top[0], top[1]);
			break;
		case Op::Min:
			--top;
			top[0] = Min(top[0], top[1]);
			break;
		case Op::Max:
			--top;
			top[0] = Max(top[0], top[1]);
			break;
		case Op::Clamp:
			top -= 2;
			top[0] = Min(Max(top[1], top[0]), top[2]);
			break;
		}
	}
	return *top;
}

} // namespace surfax::expr
