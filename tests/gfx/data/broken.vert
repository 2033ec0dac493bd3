#version 110
// Not GLSL: the compiler must reject it.
void main()
{
    gl_Position = undeclared_vertex_input;
}
//~
